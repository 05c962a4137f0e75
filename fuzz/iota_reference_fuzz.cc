// Reads any bytes as a spot comment, as a logged field and as a link table
// entry, with the first bytes as the call; a reference found must be in range.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "awards/iota_reference.h"
#include "awards/iota_table.h"

namespace {

void CheckInRange(const std::optional<brilox::IotaReference>& found) {
  if (found && brilox::IotaTableIndex(found->continent, found->number) == 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string_view call = bytes.substr(0, std::min<size_t>(bytes.size(), 12));
  CheckInRange(brilox::ParseIotaReference(bytes, call));
  CheckInRange(brilox::ScanIotaReference(bytes, call, brilox::RejectIotaForImportedCall));
  const std::vector<brilox::CallPairEntry> links{{std::string(call), std::string(bytes.substr(0, 6))}};
  CheckInRange(brilox::LinkedIotaReference(links, call));
  return 0;
}
