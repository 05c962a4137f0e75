#include "spots/spot_reference_checks.h"

#include "spots/column_text.h"

namespace brilox {
namespace {

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

bool ShouldCheckLotwUser(std::string_view dx_call) {
  const std::string call = column_text::Upper(column_text::Trim(dx_call));
  if (EndsWith(call, "/BEACON") || EndsWith(call, "/BCN")) return false;
  return !EndsWith(call, "/B") || call.starts_with("FR");
}

}  // namespace brilox
