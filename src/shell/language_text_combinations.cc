#include "shell/language_text_combinations.h"

#include <cassert>

namespace brilox {
namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::size_t TargetLength(int width) { return width > 1 ? static_cast<std::size_t>(width - 1) : 0; }

}  // namespace

std::string PadHeadingRight(std::string_view text, int width) {
  std::string padded(text);
  if (padded.size() < TargetLength(width)) padded.append(TargetLength(width) - padded.size(), ' ');
  return padded;
}

std::string PadHeadingLeft(std::string_view text, int width) {
  std::string padded(text);
  if (padded.size() < TargetLength(width)) padded.insert(0, TargetLength(width) - padded.size(), ' ');
  return padded;
}

std::string CentreHeading(std::string_view text, int width) {
  std::string centred(text);
  const std::size_t target = TargetLength(width);
  while (target >= 1 && centred.size() < target - 1) centred = " " + centred + " ";
  if (centred.size() < target) centred.insert(0, 1, ' ');
  return centred;
}

const std::string& MessageCaption(const LanguageTextTable& texts, MessageKind kind) {
  switch (kind) {
    case MessageKind::kWarning:
      return texts.Get(kTextWarningCaption);
    case MessageKind::kInformation:
      return texts.Get(kTextInformationCaption);
    case MessageKind::kQuestion:
      return texts.Get(kTextQuestionCaption);
    case MessageKind::kError:
      break;
  }
  return texts.Get(kTextErrorCaption);
}

std::string TerminalMenuCaption(const LanguageTextTable& texts, int terminal) {
  return texts.Get(kTextMonitor) + " " + std::to_string(terminal);
}

std::vector<std::string> StartViewChoices(const LanguageTextTable& texts) {
  std::vector<std::string> choices;
  for (int terminal = 1; terminal <= 4; ++terminal) {
    choices.push_back(texts.Get(kTextMonitor) + " (" + std::to_string(terminal) + ")");
  }
  choices.push_back("DX");
  choices.push_back(texts.Get(kTextAlarm));
  choices.push_back("LOTW");
  return choices;
}

std::string ReplaceFirstIgnoringCase(std::string_view text, std::string_view word,
                                     std::string_view replacement) {
  if (word.empty() || word.size() > text.size()) return std::string(text);
  for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
    bool same = true;
    for (std::size_t i = 0; i < word.size() && same; ++i) same = UpperAscii(text[at + i]) == UpperAscii(word[i]);
    if (same) {
      std::string result(text.substr(0, at));
      result += replacement;
      result += text.substr(at + word.size());
      return result;
    }
  }
  return std::string(text);
}

std::string InternetUpdateCaption(const LanguageTextTable& texts, InternetUpdate update) {
  const std::string& lotw = texts.Get(kTextUpdateLotwFromInternet);
  switch (update) {
    case InternetUpdate::kLotw:
      return lotw;
    case InternetUpdate::kIota:
      return ReplaceFirstIgnoringCase(lotw, "LOTW", "IOTA");
    case InternetUpdate::kCountry:
      return ReplaceFirstIgnoringCase(lotw, "LOTW", "COUNTRY");
    case InternetUpdate::kTelnet:
      break;
  }
  return ReplaceFirstIgnoringCase(lotw, "LOTW", "TELNET");
}

std::string LogTitle(const LanguageTextTable& texts, TrafficLog log) {
  const std::string& dx = texts.Get(kTextSearchDxLogTitle);
  switch (log) {
    case TrafficLog::kDx:
      return dx;
    case TrafficLog::kAnnouncements:
      return ReplaceFirstIgnoringCase(dx, "DX", "ANN");
    case TrafficLog::kChat:
      return ReplaceFirstIgnoringCase(dx, "DX", "CHAT");
    case TrafficLog::kTalk:
      break;
  }
  return ReplaceFirstIgnoringCase(dx, "DX", "TALK");
}

std::string ClearLotwWindowQuestion(const LanguageTextTable& texts) {
  return ReplaceFirstIgnoringCase(texts.Get(kTextConfirmClearDx), "DX", "LOTW");
}

std::string ColourListEntry(const LanguageTextTable& texts, int entry) {
  assert(entry >= 1 && entry <= 34);
  if (entry <= 4) return texts.Get(kTextColourTerminal) + " " + std::to_string(entry);
  if (entry >= 11 && entry <= 13) {
    return "LoTW: " + texts.Get(static_cast<LanguageTextId>(kTextColourWorked + (entry - 11)));
  }
  // Entries 5..10 follow texts 309..314, entries 14..34 texts 315..335.
  const int position = entry <= 10 ? kTextColourDxWindow + (entry - 5) : kTextColourIotaWorked + (entry - 14);
  return texts.Get(static_cast<LanguageTextId>(position));
}

std::string PasswordLabel(const LanguageTextTable& texts, int number) {
  return texts.Get(kTextPassword) + " " + std::to_string(number);
}

std::string ShortcutKeyLabel(const LanguageTextTable& texts, int number) {
  return texts.Get(kTextShift) + "-F" + std::to_string(number);
}

std::string TerminalFontSampleStart(const LanguageTextTable& texts) {
  return texts.Get(kTextMonitor) + " + DX + " + texts.Get(kTextAlarm);
}

}  // namespace brilox
