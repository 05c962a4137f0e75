#include "shell/lotw_call_field.h"

#include <optional>

namespace brilox {
namespace {

constexpr std::string_view kFallbackFormat = "(%.0n known callsigns):";
constexpr std::size_t kMinimumCallLength = 3;

std::string WithThousands(int count) {
  const std::string digits = std::to_string(count < 0 ? -count : count);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return count < 0 ? "-" + text : text;
}

// `format` with its one number specifier replaced; none when the text holds
// no specifier, more than one, or one of another kind.
std::optional<std::string> Fill(std::string_view format, const std::string& number) {
  std::string out;
  bool filled = false;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      out += format[i];
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == '%') {
      out += '%';
      ++i;
      continue;
    }
    // "%" [width] ["." precision] kind
    std::size_t j = i + 1;
    while (j < format.size() &&
           ((format[j] >= '0' && format[j] <= '9') || format[j] == '.' || format[j] == '-'))
      ++j;
    if (j >= format.size() || filled) return std::nullopt;
    const char kind = static_cast<char>(format[j] | 0x20);
    if (kind != 'n' && kind != 'd' && kind != 'u') return std::nullopt;
    out += number;
    filled = true;
    i = j;
  }
  if (!filled) return std::nullopt;
  return out;
}

}  // namespace

std::string KnownCallsignsText(std::string_view format, int count) {
  const std::string number = WithThousands(count);
  if (std::optional<std::string> text = Fill(format, number)) return *text;
  return *Fill(kFallbackFormat, number);
}

LotwCallFieldState EditLOTWuserChange(const LotwUsers& users, const Settings& settings, std::string_view text,
                                      bool sound_on) {
  LotwCallFieldState state;
  if (text.size() < kMinimumCallLength) return state;
  const LotwCheckResult result =
      CheckLotwUser(users, text, LotwRulesFromSettings(settings, /*for_spot=*/false, /*now_local=*/0));
  if (!result.LotwUser) return state;
  state.user = true;
  state.show_upload = true;
  state.upload_label = "(last upload: " + result.LotwUploadDate + ")";
  state.beep = sound_on;
  return state;
}

bool EditLOTWuserAcceptsKey(char key) {
  return key == '\b' || key == '/' || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') ||
         (key >= 'a' && key <= 'z');
}

}  // namespace brilox
