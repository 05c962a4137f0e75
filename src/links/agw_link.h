// Terminal 1 through an AGW packet engine (Interface 1), over the engine's
// TCP/IP API.  Start connects to the engine, registers the own call and asks
// for the port list; the local commands connect to a station (directly or
// through digipeaters), disconnect, show or choose the radio port, and ask
// for the port list and the heard list; typed lines go to the connected
// station as data frames.  What the engine sends is shown in terminal 1
// (through the links' drain), CR line ends made CR LF: while a station is
// connected only its data, the status frames, the lists and unproto
// monitor frames, otherwise everything.
//
// Nothing waits: frames are read as the socket delivers them.  A frame
// whose length no engine sends, or an engine that goes away, closes the
// link with a line in terminal 1; the operator starts it again.
// Window thread only.
#pragma once

#include <memory>
#include <string>

#include "links/agw_frame.h"
#include "links/link_seams.h"
#include "links/telnet_links.h"
#include "platform/message_box.h"
#include "platform/tcp_connection.h"

namespace brilox {

struct AgwServices {
  const Settings& settings;
  TcpConnectionFactory& connections;
  TelnetLinks& links;  // terminal 1's receive buffer and drain
  LinkPresenter& presenter;
  const LanguageTexts& texts;
  MessageBox* messages = nullptr;
};

class AgwLink final : private TcpConnectionEvents {
 public:
  static constexpr const char* kApplicationName = "BRILOX";

  explicit AgwLink(const AgwServices& services);
  ~AgwLink() override;
  AgwLink(const AgwLink&) = delete;
  AgwLink& operator=(const AgwLink&) = delete;

  // Connects to the engine at AGWHost:AGWPort (a running link is closed first).
  void Start();
  void Stop();

  // A local command: the escape character, a letter, its arguments, CR.
  void TraiteCommandeAGW(const std::string& line);
  // A typed line (ending in CR) to the station asked for, when there is one.
  void SendData(const std::string& line);

  bool started() const { return m_connection->state() != TcpState::kClosed; }
  bool registered() const { return m_registered; }
  bool connected() const { return m_connected; }
  // The station asked for: its call, then the digipeaters, blank separated.
  const std::string& station() const { return m_station; }
  int radio_port() const { return m_radioPort; }
  int highest_port() const { return m_highestPort; }
  // What LabelConn shows while connected.
  std::string ConnectionLabel() const { return m_connected ? "  " + m_station : std::string(); }

 private:
  void OnConnected() override;
  void OnBytesReceived(std::string_view bytes) override;
  void OnError(const Status& reason) override;
  void OnDisconnected() override;

  void HandleFrame(const AgwFrame& frame);
  void Show(const std::string& text);
  void ShowPortList(const std::string& text);
  void Send(char kind, const std::string& call_to, const std::string& data, std::uint8_t pid = 0);
  void SelectPort(const std::string& line);
  void Connect(const std::string& raw);
  void LinkDown(const std::string& why);
  std::string Address() const;

  AgwServices m_services;
  std::unique_ptr<TcpConnection> m_connection;
  AgwFrameReader m_reader;
  bool m_registered = false;
  bool m_connected = false;
  bool m_reached = false;  // the engine accepted the TCP connection
  bool m_quiet = true;     // closed on purpose or reported: its end says nothing more
  std::string m_station;
  int m_radioPort = 0;
  int m_highestPort = 0;
  std::string m_lastError;
  std::string m_waitingOut;  // frames given before the engine was reached
};

}  // namespace brilox
