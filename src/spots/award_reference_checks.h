// The LoTW and IOTA checks of spot processing, answered from the operator's
// real lists: the LoTW user list with the LoTW settings (the age rule applies
// to spots), and the IOTA database with the link table `IOTAlink` and the
// comment scan.  Window thread (inside the processing of one spot).
#pragma once

#include "awards/iota_reference.h"
#include "awards/iota_table.h"
#include "awards/lotw_users.h"
#include "core/settings.h"
#include "platform/clock.h"
#include "spots/needed_status.h"
#include "spots/spot_reference_checks.h"

namespace brilox {

class LotwUserListCheck final : public LotwUserCheck {
 public:
  // All three outlive the check; the list may be replaced in place (a new
  // download) between spots.
  LotwUserListCheck(const LotwUsers& users, const Settings& settings, const Clock& clock)
      : m_users(users), m_settings(settings), m_clock(clock) {}

  LotwUserAnswer CheckLotwUser(std::string_view call, bool portable_calls) override;
  // The whole answer of the last check, upload date included.
  const LotwCheckResult& last() const { return m_last; }

 private:
  const LotwUsers& m_users;
  const Settings& m_settings;
  const Clock& m_clock;
  LotwCheckResult m_last;
};

// The level a reference of `status` gives a spot rated `level` so far:
// "-" and "R" need it (11); "W" and "X" ask for a confirmation (10), but
// only when nothing else was needed (level 1); other states change nothing.
int IotaNeededLevel(char status, int level);

class IotaTableCheck final : public SpotIotaCheck {
 public:
  // Both outlive the check.  Without a table (no IOTA database loaded) no
  // spot has a reference.
  IotaTableCheck(const IotaTable* table, const Settings& settings) : m_table(table), m_settings(settings) {}
  void SetTable(const IotaTable* table) { m_table = table; }

  // `CheckSpotIota`: the link table first, then the comment.
  SpotIotaAnswer CheckSpotIota(std::string_view dx_call, std::string_view comment, int level) override;

  // `AlarmIotaIndex`: the table index of the latest spot that raised an IOTA
  // alarm (0 before the first); the IOTA window opens there.
  int AlarmIotaIndex() const { return m_alarmIotaIndex; }
  // `SpotIotaIndex`: the reference of the spot examined last, 0 for none.
  int SpotIotaIndex() const { return m_spotIotaIndex; }

 private:
  const IotaTable* m_table;
  const Settings& m_settings;
  int m_alarmIotaIndex = 0;
  int m_spotIotaIndex = 0;
};

}  // namespace brilox
