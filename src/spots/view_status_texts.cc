#include "spots/view_status_texts.h"

namespace brilox {

const ViewStatus& ViewStatusTexts::For(const ViewState& view) const {
  switch (view.run_mode) {
    case 'D':
      return dx;
    case 'A':
      return alarm;
    case 'L':
      return lotw;
    default:
      if (view.shown_terminal >= 1 && view.shown_terminal <= kTerminalCount)
        return Terminal(view.shown_terminal);
      return Terminal(1);
  }
}

}  // namespace brilox
