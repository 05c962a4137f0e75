// Loads any bytes as a LoTW user list and checks a few calls against it:
// every entry of the list must be found again, in or out of order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "awards/lotw_users.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const brilox::LotwUsers users = brilox::LotwUsers::Parse(text);
  for (int i = 0; i < users.count(); ++i) {
    if (users.Find(users.entry(i).call()) == nullptr) std::abort();
  }
  brilox::LotwCheckRules rules;
  rules.portable_calls = true;
  rules.age_rule = true;
  rules.now_local = 45000;
  for (std::string_view call : {"DL1ABC/P", "F/DL1ABC/P", "/", "//", "A/", "/A", " "}) {
    (void)brilox::CheckLotwUser(users, call, rules);
  }
  if (users.count() > 0) (void)brilox::CheckLotwUser(users, users.entry(0).call(), rules);
  return 0;
}
