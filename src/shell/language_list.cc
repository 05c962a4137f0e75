#include "shell/language_list.h"

#include <array>
#include <utility>

#include "shell/language_file.h"

namespace brilox {
namespace {

// Names outside plain ASCII are written as bytes of the language's own code
// page: Windows Cyrillic for BGR and RUS, GBK for CHS, Shift-JIS for JPN,
// Windows Western for the others.
constexpr std::array<std::pair<std::string_view, std::string_view>, 20> kDisplayNames = {{
    {"BGR", "bulgarian/\xC1\xFA\xEB\xE3\xE0\xF0\xF1\xEA\xE8"},
    {"CHS", "chinese/\xD6\xD0\xCE\xC4"},
    {"CSY", "czech/cesky"},
    {"DAN", "danish/dansk"},
    {"DEU", "german/deutsch"},
    {"ENU", "english"},
    {"ESP", "spanish/espa\xF1ol"},
    {"ES2", "spanish/espa\xF1ol"},
    {"FIN", "finnish/suomi"},
    {"FRA", "french/fran\xE7"
            "ais"},
    {"ITA", "italian/italiano"},
    {"JPN", "japanese/\x93\xFA\x96{\x8C\xEA"},
    {"NLD", "dutch/nederlands"},
    {"NOR", "norwegian/norsk"},
    {"PLK", "polish/polski"},
    {"PTB", "portuguese/portugu\xEAs"},
    {"RUS", "russian/\xF0\xF3\xF1\xF1\xEA\xE8\xE9"},
    {"SKY", "slovak"},
    {"SLO", "slovenian/slovenina"},
    {"SVE", "swedish/svenska"},
}};

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

}  // namespace

std::string_view LanguageDisplayName(std::string_view code) {
  for (const auto& [known, name] : kDisplayNames) {
    if (known == code) return name;
  }
  return {};
}

std::string LanguageListEntry(std::string_view code) {
  std::string entry(code);
  const std::string_view name = LanguageDisplayName(code);
  if (!name.empty()) {
    entry += " (";
    entry += name;
    entry += ')';
  }
  return entry;
}

LanguageList BuildLanguageList(FileSystem& fs, const std::string& program_folder,
                               std::string_view current_code) {
  LanguageList list;
  Result<std::vector<std::string>> names = fs.ListDirectory(program_folder);
  if (!names.ok()) return list;
  const std::string prefix = std::string(kLanguageFileBaseName) + ".";
  for (const std::string& name : *names) {
    const std::string upper = UpperCase(name);
    if (upper.size() <= prefix.size() || upper.compare(0, prefix.size(), prefix) != 0) continue;
    if (fs.IsDirectory(JoinPath(program_folder, name))) continue;
    const std::string code = upper.substr(prefix.size());
    if (code == current_code) list.selected = static_cast<int>(list.entries.size());
    list.entries.push_back(LanguageListEntry(code));
  }
  return list;
}

}  // namespace brilox
