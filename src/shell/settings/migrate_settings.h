// The copy of an older installation's machine-wide settings into the
// per-user key, run by the loader when the per-user key does not exist yet.
// Window thread.
#pragma once

#include "platform/settings_store.h"

namespace brilox {

// Copies each value of a fixed list that `machine` holds with the expected
// kind (Integers, the Floats and Codes as Binary, some Strings) into `user`,
// creating its key.  Other values are not copied.  Fails when the user key
// cannot be created or written.
Status MigrateMachineSettings(SettingsStore& machine, SettingsStore& user);

}  // namespace brilox
