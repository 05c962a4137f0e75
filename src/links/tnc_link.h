// Terminal 1 on a packet-radio TNC over a serial port (Interface 0).  Bytes
// from the TNC join terminal 1's receive buffer and reach the line intake
// through the links' drain, their lone CRs made line ends and the TNC's
// empty lines squeezed out; typed lines, local commands included, go to the
// TNC unchanged when the port has room for the whole line.
//
// A port that cannot be opened is reported in an error box; a port that
// fails once open (a USB adapter pulled out) is reported once in terminal
// 1's window and stays closed until the operator opens it again (the
// options dialog's confirmation runs ConfigureAndOpen).
// Window thread only.
#pragma once

#include <memory>
#include <string>

#include "links/link_seams.h"
#include "links/telnet_links.h"
#include "links/terminal_sender.h"
#include "links/tnc_text.h"
#include "platform/message_box.h"
#include "platform/serial_port.h"

namespace brilox {

struct TncServices {
  const Settings& settings;
  SerialPortFactory& ports;
  TelnetLinks& links;  // terminal 1's receive buffer and drain
  LinkPresenter& presenter;
  const LanguageTexts& texts;
  MessageBox* messages = nullptr;
  const SerialPortLister* lister = nullptr;  // maps COMPortNr onto a device
};

class TncLink final : private SerialPortEvents {
 public:
  // The TNC's cancel character, sent before the initialisation and exit texts.
  static constexpr char kCancel = 0x18;

  explicit TncLink(const TncServices& services);
  ~TncLink() override;
  TncLink(const TncLink&) = delete;
  TncLink& operator=(const TncLink&) = delete;

  // Closes the port if open, then opens it with the stored number and
  // parameters; false (and the error box) when it cannot be opened.
  bool ConfigureAndOpen();
  void Close();
  bool IsOpen() const { return m_port->IsOpen(); }

  // Writes all of `text`; with the room check only when the port's output
  // buffer has room for all of it.  False when nothing was written.
  bool Send(const std::string& text, TncRoomCheck check = TncRoomCheck::kWhenRoom);
  // The initialisation or exit text: the cancel character, then each line.
  void SendTncText(const std::string& text);

  // The device the settings name.
  std::string Device() const;

 private:
  void OnSerialBytes(std::string_view bytes) override;
  void OnSerialPortLost(const Status& reason) override;
  std::string PortLabel() const;

  TncServices m_services;
  std::unique_ptr<SerialPort> m_port;
  TncLineEnds m_lineEnds;
  BlankLineSqueeze m_squeeze;
};

}  // namespace brilox
