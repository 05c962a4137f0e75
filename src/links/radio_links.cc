#include "links/radio_links.h"

namespace brilox {

void RadioLinks::StartTerminal1() {
  m_agw.Stop();
  m_tnc.Close();
  if (m_settings.Interface == kInterfaceSerial) {
    if (m_tnc.ConfigureAndOpen()) m_tnc.SendTncText(m_settings.TNCINI);
  } else if (m_settings.Interface == kInterfaceAgw) {
    m_agw.Start();
  }
}

void RadioLinks::StopTerminal1() {
  m_tnc.Close();
  m_agw.Stop();
}

}  // namespace brilox
