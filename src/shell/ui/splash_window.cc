#include "shell/ui/splash_window.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/startup_sequence.h"
#include "shell/ui/row_style.h"

namespace brilox {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(kWidth, kHeight);
  m_panel = new QFrame(this);
  m_panel->setFrameShape(QFrame::Box);
  m_panel->setAutoFillBackground(true);
  QPalette colours = m_panel->palette();
  colours.setColor(QPalette::Window, ToQColor(0xE0FFFF));
  m_panel->setPalette(colours);
  m_panel->setGeometry(0, 0, kWidth, kHeight);

  auto* lines = new QVBoxLayout(m_panel);
  auto* logo = new QLabel(QStringLiteral("BRILOX"), m_panel);
  QFont big = logo->font();
  big.setPointSize(big.pointSize() * 3);
  big.setBold(true);
  logo->setFont(big);
  logo->setAlignment(Qt::AlignCenter);
  lines->addWidget(logo);
  auto* version = new QLabel(QStringLiteral("Version %1").arg(QString::fromLatin1(kVersionText)), m_panel);
  version->setAlignment(Qt::AlignCenter);
  lines->addWidget(version);
  auto* notice = new QLabel(QStringLiteral("DX cluster monitor\nStarting..."), m_panel);
  notice->setAlignment(Qt::AlignCenter);
  lines->addWidget(notice);

  m_timer.setSingleShot(false);
  connect(&m_timer, &QTimer::timeout, this, [this] { NarrowStep(); });
}

void SplashWindow::ShowOver(QWidget& over) {
  CentreOver(over);
  over.installEventFilter(this);
  show();
  raise();
  m_timer.start(kShowMs);
}

void SplashWindow::CentreOver(const QWidget& over) {
  const QRect main = over.frameGeometry();
  move(main.left() + (main.width() - kWidth) / 2, main.top() + (main.height() - kHeight) / 2);
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && isVisible()) {
    CentreOver(*static_cast<QWidget*>(watched));
  }
  return QWidget::eventFilter(watched, event);
}

// The first tick ends the two seconds; each tick narrows the panel once,
// and the tick after the last narrowing closes the splash.
void SplashWindow::NarrowStep() {
  if (m_timer.interval() != kNarrowStepMs) m_timer.setInterval(kNarrowStepMs);
  if (m_stepsDone < kNarrowSteps) {
    ++m_stepsDone;
    m_panel->resize(kWidth - kNarrowPixels * m_stepsDone, kHeight);
    return;
  }
  m_timer.stop();
  hide();
  emit finished();
}

}  // namespace brilox
