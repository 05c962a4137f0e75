// screenshot_start_and_links: runs the real program's wiring under a display
// (Xvfb) and takes two screenshots of the whole screen for docs/: the first
// start's dialog asking for the own call and locator, then the toolbar's
// terminal buttons with their link lamps: terminal 1 up on a node at
// 127.0.0.1 (tools/cluster_node_replay.py), terminal 2 still connecting to
// a port whose queue is full, terminal 3 refused and saying so in its
// window, terminal 4 never used.  tools/ui/screenshot_start_and_links.sh
// starts the node and the display:
//   screenshot_start_and_links PROGRAM_FOLDER NODE_PORT DIALOG.png LINKS.png [SPLASH.png]
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/program_wiring.h"
#include "platform/clock.h"
#include "shell/ui/own_station_window.h"
#include "shell/ui/qt_dialogs.h"
#include "shell/ui/splash_window.h"

namespace {

// A socket on 127.0.0.1 listening with a backlog of 0, whose one queue
// place is taken: the kernel leaves a further connect waiting for an answer.
struct FullQueue {
  int listener = -1;
  int filler = -1;
  int port = 0;
};

sockaddr_in Loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

int BoundPort(int socket_fd) {
  sockaddr_in address{};
  socklen_t length = sizeof address;
  getsockname(socket_fd, reinterpret_cast<sockaddr*>(&address), &length);
  return ntohs(address.sin_port);
}

FullQueue MakeFullQueue() {
  FullQueue queue;
  queue.listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(0);
  bind(queue.listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
  listen(queue.listener, 0);
  queue.port = BoundPort(queue.listener);
  queue.filler = socket(AF_INET, SOCK_STREAM, 0);
  address = Loopback(queue.port);
  connect(queue.filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
  return queue;
}

// A port that was free a moment ago and refuses connections.
int RefusingPort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(0);
  bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  const int port = BoundPort(fd);
  close(fd);
  return port;
}

void Key(QWidget* target, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &release);
}

// Types ESC, the connect command and Enter into command line n, as the operator does.
void TypeConnect(brilox::MainWindow& window, int n, int port) {
  window.controller().ShowTerminal(n);
  QLineEdit* line = window.commandLine(n);
  Key(line, Qt::Key_Escape);
  for (const QChar c : QStringLiteral("C 127.0.0.1:%1").arg(port)) Key(line, 0, QString(c));
  Key(line, Qt::Key_Return, QStringLiteral("\r"));
}

bool GrabScreen(const QString& path) { return QGuiApplication::primaryScreen()->grabWindow(0).save(path); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5 && argc != 6) {
    std::fprintf(stderr, "usage: %s PROGRAM_FOLDER NODE_PORT DIALOG.png LINKS.png [SPLASH.png]\n", argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  const int node_port = std::atoi(argv[2]);
  const QString dialog_out = QString::fromLocal8Bit(argv[3]);
  const QString links_out = QString::fromLocal8Bit(argv[4]);

  // A first start: no own call in the settings.
  QTemporaryDir scratch;
  const std::string folder = scratch.path().toStdString();
  std::ofstream(folder + "/BRILOX.reg", std::ios::binary)
      << "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\MORVEL\\BRILOX\\CurrentVersion]\r\n"
      << "\"WarningOnExit\"=dword:00000000\r\n\"MainFormLeft\"=dword:00000000\r\n"
      << "\"MainFormTop\"=dword:00000000\r\n\"MainFormWidth\"=dword:00000400\r\n"
      << "\"MainFormHeight\"=dword:00000280\r\n\r\n";

  brilox::SystemClock clock;
  brilox::QtMessageBox messages;
  brilox::QtFileDialogs dialogs;
  brilox::LocaleDateTimeFormat format;
  int status = 1;
  brilox::ProgramWiring wiring({brilox::PosixFileSystem(), clock, messages, dialogs, format,
                                [](int code) { QCoreApplication::exit(code); }},
                               {argv[1], folder, folder + "/BRILOX.reg", "", {}});
  messages.SetParent(&wiring.window());
  brilox::QtOwnStationDialog own_station(wiring.texts(), &wiring.window());
  wiring.SetOwnStationDialog(&own_station);
  brilox::MainWindow& window = wiring.window();
  const FullQueue full_queue = MakeFullQueue();
  const int refusing_port = RefusingPort();

  auto links_shot = [&] {
    TypeConnect(window, 1, node_port);
    TypeConnect(window, 2, full_queue.port);
    TypeConnect(window, 3, refusing_port);
    QTimer::singleShot(2500, &app, [&] {
      QWidget* button =
          window.findChild<QToolBar*>()->widgetForAction(window.viewButton(brilox::WindowId::kTerminal2));
      QToolTip::showText(button->mapToGlobal(QPoint(button->width() / 2, button->height() + 36)),
                         window.viewButton(brilox::WindowId::kTerminal2)->toolTip(), button);
      QTimer::singleShot(700, &app, [&] {
        status = GrabScreen(links_out) ? 0 : 1;
        app.quit();
      });
    });
  };

  // The dialog comes once the splash has gone; it is typed into and taken.
  QTimer watch;
  watch.setInterval(100);
  QObject::connect(&watch, &QTimer::timeout, &app, [&] {
    auto* dialog = qobject_cast<brilox::OwnStationWindow*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    watch.stop();
    for (const QChar c : QStringLiteral("f5xyz")) Key(dialog->callField(), 0, QString(c));
    dialog->locatorField()->selectAll();
    for (const QChar c : QStringLiteral("jn18du")) Key(dialog->locatorField(), 0, QString(c));
    QTimer::singleShot(500, &app, [&, dialog] {
      if (!GrabScreen(dialog_out)) app.exit(1);
      dialog->accept();
      QTimer::singleShot(0, &app, links_shot);
    });
  });
  watch.start();

  wiring.Start();
  brilox::SplashWindow splash(&window);
  QObject::connect(&splash, &brilox::SplashWindow::finished, &window, [&wiring] { wiring.AfterSplash(); });
  splash.ShowOver(window);
  if (argc == 6) {
    const QString splash_out = QString::fromLocal8Bit(argv[5]);
    QTimer::singleShot(1000, &app, [splash_out] { GrabScreen(splash_out); });
  }
  app.exec();
  close(full_queue.filler);
  close(full_queue.listener);
  return status;
}
