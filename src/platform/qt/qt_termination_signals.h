// SIGTERM and SIGHUP (a desktop session ending, a service manager stopping
// the program) turned into a call on the window thread, so that the program
// ends through its close path and stores what it stores at every close.
//
// The signal handler only writes the signal's number to a pipe (the one
// thing it may safely do); a socket notifier on the pipe's other end calls
// `on_signal` from the event loop.  One instance at a time; it restores the
// previous handlers when destroyed.  Window thread.
#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace brilox {

class QtTerminationSignals {
 public:
  explicit QtTerminationSignals(std::function<void(int signal_number)> on_signal);
  ~QtTerminationSignals();
  QtTerminationSignals(const QtTerminationSignals&) = delete;
  QtTerminationSignals& operator=(const QtTerminationSignals&) = delete;

  // False when the pipe or the handlers could not be set up: the signals
  // then keep their default action.
  bool active() const { return m_active; }

 private:
  void Drain();

  std::function<void(int)> m_onSignal;
  std::unique_ptr<QSocketNotifier> m_notifier;
  bool m_active = false;
};

}  // namespace brilox
