#include "platform/registry_text.h"

#include <cstdio>

namespace brilox {

const char kSettingsKeyPath[] = "SOFTWARE\\MORVEL\\BRILOX\\CurrentVersion";

namespace {

constexpr char kHeader[] = "REGEDIT4";
constexpr char kLineEnd[] = "\r\n";

const char* RootName(RegistryRoot root) {
  return root == RegistryRoot::kCurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

bool NeedsBytesForm(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
}

void AppendHexBytes(std::string& out, std::string_view bytes) {
  static const char kDigits[] = "0123456789abcdef";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (i != 0) out += ',';
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && SameSettingsName(s.substr(0, prefix.size()), prefix);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads a quoted text at the start of `s` and removes it from `s`.
bool TakeQuoted(std::string_view& s, std::string& out) {
  if (s.empty() || s.front() != '"') return false;
  std::size_t i = 1;
  for (; i < s.size() && s[i] != '"'; ++i) {
    if (s[i] == '\\') {
      if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"')) return false;
      ++i;
    }
    out += s[i];
  }
  if (i >= s.size()) return false;
  s.remove_prefix(i + 1);
  return true;
}

bool ParseHexBytes(std::string_view s, std::string& out) {
  s = Trim(s);
  if (s.empty()) return true;
  for (;;) {
    const std::size_t comma = s.find(',');
    const std::string_view item = Trim(s.substr(0, comma));
    if (item.empty() || item.size() > 2) return false;
    int byte = 0;
    for (char c : item) {
      const int d = HexDigit(c);
      if (d < 0) return false;
      byte = byte * 16 + d;
    }
    out += static_cast<char>(byte);
    if (comma == std::string_view::npos) return true;
    s.remove_prefix(comma + 1);
  }
}

bool ParseDword(std::string_view s, std::int32_t& out) {
  s = Trim(s);
  if (s.empty() || s.size() > 8) return false;
  std::uint32_t value = 0;
  for (char c : s) {
    const int d = HexDigit(c);
    if (d < 0) return false;
    value = value * 16 + static_cast<std::uint32_t>(d);
  }
  out = static_cast<std::int32_t>(value);
  return true;
}

// The data part of one value line (after "name"=) into `value`.
bool ParseData(std::string_view data, SettingsValue& value) {
  data = Trim(data);
  if (!data.empty() && data.front() == '"') {
    value.kind = SettingsKind::kString;
    return TakeQuoted(data, value.bytes) && Trim(data).empty();
  }
  if (StartsWithNoCase(data, "dword:")) {
    value.kind = SettingsKind::kInteger;
    return ParseDword(data.substr(6), value.integer);
  }
  if (StartsWithNoCase(data, "hex:")) {
    value.kind = SettingsKind::kBinary;
    return ParseHexBytes(data.substr(4), value.bytes);
  }
  if (StartsWithNoCase(data, "hex(1):")) {
    value.kind = SettingsKind::kString;
    if (!ParseHexBytes(data.substr(7), value.bytes)) return false;
    if (!value.bytes.empty() && value.bytes.back() == '\0') value.bytes.pop_back();
    return true;
  }
  return false;
}

bool IsOurKey(std::string_view line) {
  if (line.size() < 2 || line.back() != ']') return false;
  const std::string_view key = line.substr(1, line.size() - 2);
  for (RegistryRoot root : {RegistryRoot::kCurrentUser, RegistryRoot::kLocalMachine}) {
    if (SameSettingsName(key, std::string(RootName(root)) + "\\" + kSettingsKeyPath)) return true;
  }
  return false;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (lf == std::string_view::npos) break;
    text.remove_prefix(lf + 1);
  }
  return lines;
}

Status LineError(std::size_t index, const char* what) {
  return Status::Corrupt("line " + std::to_string(index + 1) + ": " + what);
}

}  // namespace

bool IsStorableSettingsName(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
  }
  return true;
}

std::string EncodeRegistryText(const std::vector<SettingsValue>& values, RegistryRoot root) {
  std::string out = std::string(kHeader) + kLineEnd + kLineEnd;
  out += std::string("[") + RootName(root) + "\\" + kSettingsKeyPath + "]" + kLineEnd;
  for (const SettingsValue& value : values) {
    AppendQuoted(out, value.name);
    out += '=';
    switch (value.kind) {
      case SettingsKind::kInteger: {
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(value.integer));
        out += "dword:";
        out += digits;
        break;
      }
      case SettingsKind::kString:
        if (NeedsBytesForm(value.bytes)) {
          out += "hex(1):";
          AppendHexBytes(out, value.bytes + std::string(1, '\0'));
        } else {
          AppendQuoted(out, value.bytes);
        }
        break;
      case SettingsKind::kBinary:
        out += "hex:";
        AppendHexBytes(out, value.bytes);
        break;
    }
    out += kLineEnd;
  }
  out += kLineEnd;
  return out;
}

Result<SettingsValueList> DecodeRegistryText(std::string_view text) {
  const std::vector<std::string_view> lines = SplitLines(text);
  SettingsValueList values;
  bool seen_header = false;
  bool in_key = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = Trim(lines[i]);
    if (line.empty() || line.front() == ';') continue;
    if (!seen_header) {
      if (!SameSettingsName(line, kHeader)) return LineError(i, "not a REGEDIT4 file");
      seen_header = true;
      continue;
    }
    if (line.front() == '[') {
      if (!IsOurKey(line)) return LineError(i, "not the settings key");
      in_key = true;
      continue;
    }
    if (!in_key) return LineError(i, "value outside the settings key");
    const std::size_t first = i;
    std::string joined(line);
    // Hex lists wrapped by a registry editor end each piece with a backslash.
    while (!joined.empty() && joined.back() == '\\' && i + 1 < lines.size()) {
      joined.pop_back();
      joined += Trim(lines[++i]);
    }
    std::string_view rest = joined;
    SettingsValue value;
    if (!TakeQuoted(rest, value.name) || !IsStorableSettingsName(value.name))
      return LineError(first, "bad value name");
    rest = Trim(rest);
    if (rest.empty() || rest.front() != '=') return LineError(first, "no \"=\"");
    if (!ParseData(rest.substr(1), value)) return LineError(first, "value not readable");
    values.Set(std::move(value));
  }
  if (!seen_header) return Status::Corrupt("empty file");
  return values;
}

}  // namespace brilox
