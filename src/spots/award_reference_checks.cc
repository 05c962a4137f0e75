#include "spots/award_reference_checks.h"

namespace brilox {

LotwUserAnswer LotwUserListCheck::CheckLotwUser(std::string_view call, bool portable_calls) {
  LotwCheckRules rules = LotwRulesFromSettings(m_settings, /*for_spot=*/true, m_clock.LocalNow());
  rules.portable_calls = portable_calls;
  m_last = brilox::CheckLotwUser(m_users, call, rules);
  return {m_last.LotwUser, m_last.LotwUncertain};
}

int IotaNeededLevel(char status, int level) {
  switch (status) {
    case kIotaNotWorked:
    case kIotaStatusR:
      return kLevelIotaNeeded;
    case kIotaWorked:
    case kIotaStatusX:
      return level == kLevelNothingNeeded ? kLevelIotaWorked : level;
    default:
      return level;
  }
}

SpotIotaAnswer IotaTableCheck::CheckSpotIota(std::string_view dx_call, std::string_view comment, int level) {
  if (m_table == nullptr) return {level, {}, 0};
  std::optional<IotaReference> reference = LinkedIotaReference(m_settings.IOTAlink, dx_call);
  if (!reference) reference = ParseIotaReference(comment, dx_call);
  if (!reference) {
    m_spotIotaIndex = 0;
    return {level, {}, 0};
  }
  const int index = IotaTableIndex(reference->continent, reference->number);
  m_spotIotaIndex = index;
  SpotIotaAnswer answer{IotaNeededLevel(m_table->entry(index).status, level), ShortIotaText(*reference),
                        index};
  if (answer.Level >= kLevelIotaWorked) m_alarmIotaIndex = index;
  return answer;
}

}  // namespace brilox
