#include "shell/settings/settings_language.h"

#include <array>
#include <utility>

namespace brilox {
namespace {

using Pair = std::pair<std::string_view, std::string_view>;

constexpr std::array<Pair, 5> kOldCodes{
    {{"ENG", "ENU"}, {"POL", "PLK"}, {"SWE", "SVE"}, {"TCH", "CSY"}, {"POR", "PTB"}}};

// ISO 639 language of the locale and the code of its language file.
constexpr std::array<Pair, 20> kLocaleCodes{
    {{"bg", "BGR"}, {"zh", "CHS"}, {"cs", "CSY"}, {"da", "DAN"}, {"de", "DEU"}, {"en", "ENU"}, {"es", "ESP"},
     {"fi", "FIN"}, {"fr", "FRA"}, {"it", "ITA"}, {"ja", "JPN"}, {"nl", "NLD"}, {"no", "NOR"}, {"nb", "NOR"},
     {"nn", "NOR"}, {"pl", "PLK"}, {"pt", "PTB"}, {"ru", "RUS"}, {"sv", "SVE"}, {"sl", "SLO"}}};

constexpr char kDefaultCode[] = "ENU";

}  // namespace

std::string ConvertOldLanguageCode(std::string_view code) {
  for (const auto& [old_code, new_code] : kOldCodes) {
    if (code == old_code) return std::string(new_code);
  }
  return std::string(code);
}

std::string LocaleLanguage(const LocaleVariables& locale) {
  std::string_view value = !locale.lc_all.empty()        ? std::string_view(locale.lc_all)
                           : !locale.lc_messages.empty() ? std::string_view(locale.lc_messages)
                                                         : std::string_view(locale.lang);
  value = value.substr(0, value.find_first_of("_.@"));
  std::string language(value);
  for (char& c : language) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return language;
}

std::string LanguageCodeForLocale(std::string_view language) {
  for (const auto& [iso, code] : kLocaleCodes) {
    if (language == iso) return std::string(code);
  }
  return kDefaultCode;
}

std::string LanguageFileName(std::string_view code) { return "BRLMSG85." + std::string(code); }

std::string ChooseSystemLanguage(const LocaleVariables& locale, FileSystem& files,
                                 const std::string& program_folder) {
  const std::string code = LanguageCodeForLocale(LocaleLanguage(locale));
  if (!files.Exists(JoinPath(program_folder, LanguageFileName(code)))) return kDefaultCode;
  return code;
}

}  // namespace brilox
