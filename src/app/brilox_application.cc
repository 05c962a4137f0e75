#include "app/brilox_application.h"

namespace brilox {

bool BriloxApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    // The event counts as not handled; nothing else is known or shown.
    return false;
  }
}

}  // namespace brilox
