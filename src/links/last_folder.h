// The folder of the last file chosen in the capture, save-window and
// send-text dialogs; the next of those dialogs starts there.  Kept until the
// program ends, never stored.
#pragma once

#include <string>

namespace brilox {

struct LastFolder {
  std::string path;
};

}  // namespace brilox
