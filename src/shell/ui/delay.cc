#include "shell/ui/delay.h"

#include <QEventLoop>
#include <QTimer>

namespace brilox {

void Delay(int ms) {
  if (ms <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace brilox
