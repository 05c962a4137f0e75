// The operator's changes to the DXCC table that the DXCC window offers: add
// and delete an entity and reset a whole view.  Questions and refusals go to
// the message box; the window redraws its grid from the table afterwards.
// Window thread only.
#pragma once

#include "awards/dxcc_table.h"
#include "platform/message_box.h"
#include "core/language_text_table.h"

namespace brilox {

enum class DxccEditOutcome { kChanged, kUnchanged };

// `AddCountry`: inserts the new-row template as row `position` (1..count + 1;
// the window then opens the prefix cell for typing).  Does nothing while an
// added row is still without a prefix.  A full table refuses the row with a
// warning and changes nothing.
DxccEditOutcome AddCountry(DxccTable& table, int position, MessageBox& box, const LanguageTextTable& texts);

// `DelCountry`: removes row `position` once the operator confirms.
DxccEditOutcome DelCountry(DxccTable& table, int position, MessageBox& box, const LanguageTextTable& texts);

// `ButtonDXCCresetClick`: after the operator confirms with Yes, sets the 16
// states of the view's kind to "-" in every row and marks the cells changed.
// The file changes only at the next save.
DxccEditOutcome ResetDxccView(DxccTable& table, DxccCredit view, MessageBox& box, const LanguageTextTable& texts);

}  // namespace brilox
