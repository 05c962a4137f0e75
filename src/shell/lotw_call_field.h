// The LoTW view's panel as plain logic: the count label over the loaded user
// list, and the call field where the operator types a call and sees at once
// whether it is a LoTW user (`EditLOTWuserChange`, `EditLOTWuserKeyPress`).
// The window only shows what these functions decide.  Window thread.
#pragma once

#include <string>
#include <string_view>

#include "awards/lotw_users.h"
#include "core/settings.h"

namespace brilox {

// The count label: `format` (language text 176) with the count written with
// thousands separators and no decimals in place of its one number
// specifier ("%n", "%.0n", "%d"); a text that is not such a format gives
// "(%.0n known callsigns):" filled the same way.
std::string KnownCallsignsText(std::string_view format, int count);

// What the call field shows after a change of its text.
struct LotwCallFieldState {
  bool user = false;         // the text is green (a user) or red
  bool show_upload = false;  // the upload label is shown
  std::string upload_label;  // "(last upload: 2021-03-01)", empty when hidden
  bool beep = false;         // a 1000 Hz beep of 100 ms (only with sound on)
};

// `EditLOTWuserChange`: fewer than 3 characters is not checked; otherwise
// the check runs with the settings' additional users, without portable
// calls and without the age rule.
LotwCallFieldState EditLOTWuserChange(const LotwUsers& users, const Settings& settings, std::string_view text,
                                      bool sound_on);

// `EditLOTWuserKeyPress`: the field takes backspace, letters, digits and "/".
bool EditLOTWuserAcceptsKey(char key);

}  // namespace brilox
