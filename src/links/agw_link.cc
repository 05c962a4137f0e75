#include "links/agw_link.h"

#include <sstream>
#include <vector>

#include "core/language_text_ids.h"
#include "links/link_commands.h"

namespace brilox {
namespace {

constexpr std::uint8_t kPidNoLayer3 = 0xF0;
constexpr std::size_t kMaxDigipeaters = 7;

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string TextOf(const std::string& data) { return data.substr(0, data.find('\0')); }

// Frames shown while a station is connected: its data, the end of the
// connection, the lists, and unproto monitor frames.
bool ShownWhileConnected(char kind) {
  return kind == 'D' || kind == 'd' || kind == 'G' || kind == 'H' || kind == 'U';
}

// Answers that carry numbers, not text.
bool IsBinaryAnswer(char kind) {
  return kind == 'X' || kind == 'R' || kind == 'g' || kind == 'y' || kind == 'Y' || kind == 'K';
}

}  // namespace

AgwLink::AgwLink(const AgwServices& services)
    : m_services(services), m_connection(services.connections.CreateConnection()) {
  m_connection->SetEvents(this);
}

AgwLink::~AgwLink() { m_connection->SetEvents(nullptr); }

std::string AgwLink::Address() const {
  return m_services.settings.AGWHost + ":" + std::to_string(m_services.settings.AGWPort);
}

void AgwLink::Start() {
  Stop();
  m_quiet = false;
  m_lastError.clear();
  const Status opened =
      m_connection->Open(m_services.settings.AGWHost, std::to_string(m_services.settings.AGWPort));
  if (!opened.ok() && m_services.messages != nullptr) {
    (void)m_services.messages->Show(MessageKind::kError, m_services.texts.Text(kTextErrorCaption),
                                    m_services.texts.Text(kTextAgwLibraryMissing) + "\r\n" + Address(),
                                    MessageButtons::kOk);
  }
}

void AgwLink::Stop() {
  // The engine gets no word of it: closing the client ends its sessions.
  m_quiet = true;
  m_connection->Close();
  m_reader.Reset();
  m_waitingOut.clear();
  m_registered = m_connected = m_reached = false;
  m_station.clear();
}

void AgwLink::Send(char kind, const std::string& call_to, const std::string& data, std::uint8_t pid) {
  const TcpState state = m_connection->state();
  if (state != TcpState::kConnected && state != TcpState::kOpening) return;
  AgwFrame frame;
  frame.port = static_cast<std::uint8_t>(m_radioPort);
  frame.kind = kind;
  frame.pid = pid;
  frame.call_from = m_services.settings.MyCall;
  frame.call_to = call_to;
  frame.data = data;
  if (state == TcpState::kOpening) {
    // A command given while the engine is still being reached (the quick
    // connect at start) goes once it is.
    if (m_waitingOut.size() < kTcpOutputQueueLimit) m_waitingOut += EncodeAgwFrame(frame);
    return;
  }
  (void)m_connection->Send(EncodeAgwFrame(frame));
}

void AgwLink::TraiteCommandeAGW(const std::string& line) {
  if (!started() || line.size() < 2) return;
  const std::string upper = ToUpperAscii(line);
  switch (upper[1]) {
    case 'C':
      if (line.size() >= 4) Connect(upper);
      return;
    case 'D': {
      if (m_station.empty()) return;
      if (line.size() >= 4) {
        const std::string named = TrimBlanks(upper.substr(3, upper.find('\r', 3) - 3));
        if (!named.empty()) m_station = named;
      }
      if (const std::vector<std::string> calls = Words(m_station); !calls.empty()) Send('d', calls.front(), {});
      m_station.clear();
      return;
    }
    case 'S':
      SelectPort(upper);
      return;
    case 'P':
      Send('G', {}, {});
      return;
    case 'H':
      Send('H', {}, {});
      return;
    default:
      return;
  }
}

void AgwLink::Connect(const std::string& upper) {
  std::string text = upper.substr(0, upper.find('\r'));
  bool via = false;
  if (const std::size_t at = text.find(" V "); at != std::string::npos) {
    text.erase(at + 1, 2);  // " V " becomes " " (erase: GCC 12 at -O3 warns falsely on replace)
    via = true;
  } else if (const std::size_t at_via = text.find(" VIA "); at_via != std::string::npos) {
    text.erase(at_via + 1, 4);
    via = true;
  }
  std::vector<std::string> calls = Words(text.size() > 3 ? text.substr(3) : std::string());
  if (calls.empty()) return;
  if (calls.size() > kMaxDigipeaters + 1) calls.resize(kMaxDigipeaters + 1);
  m_station.clear();
  for (const std::string& call : calls) m_station += (m_station.empty() ? "" : " ") + call;
  if (!via || calls.size() == 1) {
    Send('C', calls.front(), {});
    return;
  }
  std::string digipeaters(1, static_cast<char>(calls.size() - 1));
  for (std::size_t i = 1; i < calls.size(); ++i) {
    std::string call = calls[i].substr(0, kAgwCallSize - 1);
    call.resize(kAgwCallSize, '\0');
    digipeaters += call;
  }
  Send('v', calls.front(), digipeaters);
}

void AgwLink::SelectPort(const std::string& upper) {
  const std::string line = upper.substr(0, upper.find('\r'));
  const std::string radio_port = m_services.texts.Text(kTextRadioPort);
  if (line.size() == 2) {
    m_services.presenter.AppendTerminalLine(1, radio_port + ": " + std::to_string(m_radioPort + 1));
    return;
  }
  std::size_t at = 2;
  if (line[at] == ' ') ++at;
  std::string digits;
  while (at < line.size() && line[at] >= '0' && line[at] <= '9' && digits.size() < 9) digits += line[at++];
  if (digits.empty()) return;
  const int n = std::stoi(digits);
  if (n - 1 >= 0 && n - 1 <= m_highestPort) {
    m_radioPort = n - 1;
    m_services.presenter.AppendTerminalLine(1, radio_port + " --> " + std::to_string(n));
  } else {
    m_services.presenter.AppendTerminalLine(1, m_services.texts.Text(kTextNoSuchRadioPort) + ": " + digits);
  }
}

void AgwLink::SendData(const std::string& line) {
  const std::vector<std::string> calls = Words(m_station);
  if (calls.empty() || line.empty()) return;
  const std::string& to = calls.front();
  // A line longer than one packet goes in several: the engine drops a
  // client that sends more.
  for (std::size_t at = 0; at < line.size(); at += kAgwMaxSendData) {
    Send('D', to, line.substr(at, kAgwMaxSendData), kPidNoLayer3);
  }
}

void AgwLink::OnConnected() {
  m_reached = true;
  m_reader.Reset();
  Send('X', {}, {});  // register the own call
  Send('m', {}, {});  // monitor the channel while no station is connected
  Send('G', {}, {});  // the port list
  if (!m_waitingOut.empty()) (void)m_connection->Send(m_waitingOut);
  m_waitingOut.clear();
}

void AgwLink::OnBytesReceived(std::string_view bytes) {
  if (!m_reader.Feed(bytes, [this](const AgwFrame& frame) { HandleFrame(frame); })) {
    LinkDown("unreadable frame");
    m_connection->Close();
  }
}

void AgwLink::HandleFrame(const AgwFrame& frame) {
  if (frame.kind == 'X') {
    m_registered = !frame.data.empty() && frame.data[0] == 1;
    if (!m_registered && m_services.messages != nullptr) {
      (void)m_services.messages->Show(MessageKind::kError, m_services.texts.Text(kTextErrorCaption),
                                      m_services.texts.Text(kTextAgwRegistrationRefused),
                                      MessageButtons::kOk);
    }
    return;
  }
  if (IsBinaryAnswer(frame.kind)) return;
  if (m_connected && !ShownWhileConnected(frame.kind)) return;
  const std::string text = TextOf(frame.data);
  if (frame.kind == 'G') {
    ShowPortList(text);
  } else {
    Show(text);
  }
  if (frame.kind == 'C' && !m_connected) {
    m_connected = true;
    // The station called us; an engine's frame may name no call at all.
    if (m_station.empty()) m_station = TrimBlanks(frame.call_from);
    if (m_services.presenter.ShownTerminal() == 1)
      m_services.presenter.ShowConnectionLabel(ConnectionLabel());
  } else if (frame.kind == 'd') {
    // Also after a connect that failed, so that typed lines do not go to a
    // station that never answered.
    if (m_connected && m_services.presenter.CurrentTerminal() == 1)
      m_services.presenter.ShowConnectionLabel("");
    m_connected = false;
    m_station.clear();
  }
}

void AgwLink::Show(const std::string& text) {
  std::string shown;
  shown.reserve(text.size() + 8);
  for (char ch : text) {
    shown.push_back(ch);
    if (ch == '\r') shown.push_back('\n');
  }
  m_services.links.AppendReceivedText(1, shown);
}

// "1;Port1 first soundcard mono;Port2 INVALID CHANNEL;": the count, then
// one entry per port, shown a line each.
void AgwLink::ShowPortList(const std::string& text) {
  std::size_t at = 0;
  int count = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9' && count < 1000)
    count = count * 10 + (text[at++] - '0');
  if (count - 1 > m_highestPort) m_highestPort = count - 1;
  std::string lines;
  std::size_t start = text.find(';');
  while (start != std::string::npos && start + 1 < text.size()) {
    const std::size_t end = text.find(';', start + 1);
    const std::string entry =
        text.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
    // Engines list the channels they do not drive as invalid ones.
    if (!entry.empty() && entry.find("INVALID") == std::string::npos) lines += entry + "\r";
    start = end;
  }
  Show(lines.empty() ? text + "\r" : lines);
}

void AgwLink::OnError(const Status& reason) { m_lastError = reason.context(); }

void AgwLink::OnDisconnected() {
  if (m_quiet) return;  // closed here, and said so already
  if (!m_reached) {
    m_quiet = true;
    if (m_services.messages != nullptr) {
      (void)m_services.messages->Show(MessageKind::kError, m_services.texts.Text(kTextErrorCaption),
                                      m_services.texts.Text(kTextAgwLibraryMissing) + "\r\n" + Address() +
                                          (m_lastError.empty() ? "" : ": " + m_lastError),
                                      MessageButtons::kOk);
    }
    return;
  }
  LinkDown(m_lastError.empty() ? "connection closed" : m_lastError);
}

void AgwLink::LinkDown(const std::string& why) {
  if (m_quiet) return;
  m_quiet = true;
  if (m_connected && m_services.presenter.CurrentTerminal() == 1)
    m_services.presenter.ShowConnectionLabel("");
  m_reached = m_registered = m_connected = false;
  m_station.clear();
  m_reader.Reset();
  m_services.presenter.AppendTerminalLine(1, "AGW " + Address() + ": " + why);
}

}  // namespace brilox
