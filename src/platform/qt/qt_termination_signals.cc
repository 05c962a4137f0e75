#include "platform/qt/qt_termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <iterator>

namespace brilox {
namespace {

constexpr int kHandled[] = {SIGTERM, SIGHUP};

int g_pipe[2] = {-1, -1};
struct sigaction g_previous[2];

extern "C" void WriteSignalToPipe(int signal_number) {
  const int saved_errno = errno;
  const unsigned char byte = static_cast<unsigned char>(signal_number);
  // A full pipe already holds a pending request; losing this byte is fine.
  ssize_t ignored = ::write(g_pipe[1], &byte, 1);
  (void)ignored;
  errno = saved_errno;
}

}  // namespace

QtTerminationSignals::QtTerminationSignals(std::function<void(int)> on_signal)
    : m_onSignal(std::move(on_signal)) {
  if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
  QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { Drain(); });
  struct sigaction action {};
  action.sa_handler = WriteSignalToPipe;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < std::size(kHandled); ++i) ::sigaction(kHandled[i], &action, &g_previous[i]);
  m_active = true;
}

QtTerminationSignals::~QtTerminationSignals() {
  if (!m_active) return;
  for (std::size_t i = 0; i < std::size(kHandled); ++i) ::sigaction(kHandled[i], &g_previous[i], nullptr);
  m_notifier.reset();
  ::close(g_pipe[0]);
  ::close(g_pipe[1]);
  g_pipe[0] = g_pipe[1] = -1;
}

void QtTerminationSignals::Drain() {
  unsigned char byte = 0;
  int last = 0;
  while (::read(g_pipe[0], &byte, 1) == 1) last = byte;
  if (last != 0 && m_onSignal) m_onSignal(last);
}

}  // namespace brilox
