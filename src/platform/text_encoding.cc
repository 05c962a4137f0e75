#include "platform/text_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace brilox {
namespace {

// Decodes one UTF-8 sequence at `at`; false on a malformed one.
bool NextCodePoint(std::string_view text, std::size_t& at, char32_t& code) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char first = byte(at);
  int extra = 0;
  if (first < 0x80) {
    code = first;
  } else if ((first & 0xE0) == 0xC0) {
    code = first & 0x1F;
    extra = 1;
  } else if ((first & 0xF0) == 0xE0) {
    code = first & 0x0F;
    extra = 2;
  } else if ((first & 0xF8) == 0xF0) {
    code = first & 0x07;
    extra = 3;
  } else {
    return false;
  }
  for (int i = 1; i <= extra; ++i) {
    if (at + static_cast<std::size_t>(i) >= text.size() ||
        (byte(at + static_cast<std::size_t>(i)) & 0xC0) != 0x80)
      return false;
    code = (code << 6) | (byte(at + static_cast<std::size_t>(i)) & 0x3F);
  }
  at += static_cast<std::size_t>(extra) + 1;
  return true;
}

}  // namespace

std::optional<std::string> Utf8ToLatin1(std::string_view utf8) {
  std::string bytes;
  for (std::size_t at = 0; at < utf8.size();) {
    char32_t code = 0;
    if (!NextCodePoint(utf8, at, code) || code > 0xFF) return std::nullopt;
    bytes.push_back(static_cast<char>(code));
  }
  return bytes;
}

std::optional<std::string> Utf8ToShiftJis(std::string_view utf8) {
  if (utf8.empty()) return std::string();
  iconv_t converter = ::iconv_open("SHIFT_JIS", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string input(utf8);
  std::string output(input.size() * 2 + 8, '\0');
  char* in = input.data();
  std::size_t in_left = input.size();
  char* out = output.data();
  std::size_t out_left = output.size();
  const std::size_t result = ::iconv(converter, &in, &in_left, &out, &out_left);
  ::iconv_close(converter);
  // Any character without Shift-JIS bytes (or a malformed sequence) refuses
  // the whole text; nothing is replaced by a substitute.
  if (result == static_cast<std::size_t>(-1) || in_left != 0 || result != 0) return std::nullopt;
  output.resize(output.size() - out_left);
  return output;
}

}  // namespace brilox
