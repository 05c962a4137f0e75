// The program's run from the QApplication on: the single-instance guard and
// the folders, then the wiring and the event loop.  Returns the exit code.
#pragma once

#include "platform/app_folders.h"

namespace brilox {

int RunProgram(const BuildTree& build);

}  // namespace brilox
