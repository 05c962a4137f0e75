// The links' drain into the line intake.  The drain holds back while spot
// processing is inside a line, so that a line is never fed into the middle
// of another one's processing.  Window thread only.
#pragma once

#include "links/link_seams.h"
#include "spots/line_intake.h"
#include "spots/spot_processing.h"

namespace brilox {

class PipelineCharacterSink final : public ReceivedCharacterSink {
 public:
  PipelineCharacterSink(LineIntake& intake, const SpotProcessing& processing)
      : m_intake(intake), m_processing(processing) {}

  bool busy() const override { return m_processing.busy(); }
  void TraiteCharRecu(int terminal, char ch, bool flush_request) override {
    if (flush_request) m_intake.SetFlushRequest(terminal);
    m_intake.TraiteCharRecu(terminal, ch);
  }

 private:
  LineIntake& m_intake;
  const SpotProcessing& m_processing;
};

}  // namespace brilox
