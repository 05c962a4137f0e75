// What a start-up step tells the sequence: carry on, or end the program.
// A fatal condition carries the fixed English text that the program shows in
// an error box (OK button) before it exits; when the operator has already
// declined a question there is nothing more to show and the text is empty.
// Nothing is saved after a fatal condition.  Window thread.
#pragma once

#include <string>
#include <utility>

namespace brilox {

class [[nodiscard]] StartupStatus {
 public:
  static StartupStatus Continue() { return StartupStatus(false, {}); }
  // `message` is shown as it stands, then the program ends.
  static StartupStatus Fatal(std::string message) { return StartupStatus(true, std::move(message)); }
  // The program ends without a further message.
  static StartupStatus Quit() { return StartupStatus(true, {}); }

  bool fatal() const { return m_fatal; }
  const std::string& message() const { return m_message; }

 private:
  StartupStatus(bool fatal, std::string message) : m_fatal(fatal), m_message(std::move(message)) {}
  bool m_fatal;
  std::string m_message;
};

}  // namespace brilox
