#include "awards/dxcc_editing.h"

#include <algorithm>

namespace brilox {
namespace {

constexpr char kResetPaperQuestion[] =
    "This will reset your DXCC database for paper QSL's\n"
    "to an empty state, removing all W, C and A for paper QSL's.\n\n"
    "Are you sure?";
constexpr char kResetLotwQuestion[] =
    "This will reset your DXCC database for LoTW credits\n"
    "to an empty state, removing all W, C and A.\n\n"
    "Are you sure?";

}  // namespace

DxccEditOutcome AddCountry(DxccTable& table, int position, MessageBox& box, const LanguageTextTable& texts) {
  if (table.HasRowWithBlankPrefix()) return DxccEditOutcome::kUnchanged;
  position = std::clamp(position, 1, table.count() + 1);
  const Status inserted = table.InsertRow(position, TemplateDxccEntry());
  if (!inserted.ok()) {
    box.Show(MessageKind::kWarning, texts.Get(kTextWarningCaption), inserted.context(), MessageButtons::kOk);
    return DxccEditOutcome::kUnchanged;
  }
  return DxccEditOutcome::kChanged;
}

DxccEditOutcome DelCountry(DxccTable& table, int position, MessageBox& box, const LanguageTextTable& texts) {
  if (position < 1 || position > table.count()) return DxccEditOutcome::kUnchanged;
  const MessageAnswer answer = box.Show(MessageKind::kQuestion, texts.Get(kTextQuestionCaption),
                                        texts.Get(kTextConfirmDeleteEntity), MessageButtons::kOkCancel);
  if (answer != MessageAnswer::kOk) return DxccEditOutcome::kUnchanged;
  table.RemoveRow(position);
  return DxccEditOutcome::kChanged;
}

DxccEditOutcome ResetDxccView(DxccTable& table, DxccCredit view, MessageBox& box, const LanguageTextTable& texts) {
  // No is the safe answer: anything but Yes keeps the database.
  const MessageAnswer answer =
      box.Show(MessageKind::kWarning, texts.Get(kTextWarningCaption),
               view == DxccCredit::kLotw ? kResetLotwQuestion : kResetPaperQuestion, MessageButtons::kYesNoCancel);
  if (answer != MessageAnswer::kYes) return DxccEditOutcome::kUnchanged;
  table.ResetStates(view);
  return DxccEditOutcome::kChanged;
}

}  // namespace brilox
