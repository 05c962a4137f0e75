#include "shell/language_file.h"

#include <vector>

namespace brilox {
namespace {

constexpr std::string_view kStartFailureSuffix = ", can't start BRILOX";

bool IsCommentLine(std::string_view line) { return line.empty() || line.front() == '#'; }

// Shift-JIS lead bytes whose second byte may be "{".
bool IsShiftJisLeadBeforeBrace(unsigned char byte) { return byte == 0x83 || byte == 0x96; }

bool StartsWithFileBaseName(std::string_view name) {
  const std::string prefix = std::string(kLanguageFileBaseName) + ".";
  if (name.size() <= prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const char c = name[i];
    const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (upper != prefix[i]) return false;
  }
  return true;
}

Status StartFailure(ErrorKind kind, std::string message) {
  message += kStartFailureSuffix;
  switch (kind) {
    case ErrorKind::kNotFound:
      return Status::NotFound(std::move(message));
    case ErrorKind::kIo:
      return Status::Io(std::move(message));
    default:
      return Status::Corrupt(std::move(message));
  }
}

// Finds the first "BRLMSG85.*" of the folder, in name order.
Result<std::string> FindAnyLanguageFile(FileSystem& fs, const std::string& program_folder) {
  Result<std::vector<std::string>> names = fs.ListDirectory(program_folder);
  if (names.ok()) {
    for (const std::string& name : *names) {
      if (StartsWithFileBaseName(name)) return name;
    }
  }
  return StartFailure(ErrorKind::kNotFound, "No language file found");
}

}  // namespace

std::string StripTextLine(std::string_view line) {
  const std::size_t brace = line.find('{');
  if (brace != std::string_view::npos) {
    if (brace > 0 && IsShiftJisLeadBeforeBrace(static_cast<unsigned char>(line[brace - 1]))) {
      const std::size_t blank_brace = line.find(" {");
      if (blank_brace != std::string_view::npos) line = line.substr(0, blank_brace);
    } else {
      line = line.substr(0, brace);
    }
  }
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  return std::string(line);
}

LanguageFileReader::LanguageFileReader(std::string_view content) : m_content(content) {}

std::string_view LanguageFileReader::NextLine() {
  const std::size_t end = m_content.find('\n', m_position);
  std::string_view line;
  if (end == std::string_view::npos) {
    line = m_content.substr(m_position);
    m_position = m_content.size();
  } else {
    line = m_content.substr(m_position, end - m_position);
    m_position = end + 1;
  }
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

Result<std::string> LanguageFileReader::ReadNextText() {
  if (AtEnd()) return Status::Corrupt(std::string(kMissingLanguageLinesMessage));
  std::string_view line = NextLine();
  while (IsCommentLine(line) && !AtEnd()) line = NextLine();
  if (IsCommentLine(line)) {
    // The file ended while comments were skipped: an empty last line still
    // counts as an (empty) text, a "#" line does not.
    if (!line.empty()) return Status::Corrupt(std::string(kMissingLanguageLinesMessage));
    return std::string();
  }
  return StripTextLine(line);
}

Result<LanguageTextTable> ParseLanguageTexts(std::string_view content) {
  LanguageTextTable texts;
  LanguageFileReader reader(content);
  for (int position = 1; position <= kLanguageTextCount; ++position) {
    Result<std::string> text = reader.ReadNextText();
    if (!text.ok()) return text.status();
    texts.Set(static_cast<LanguageTextId>(position), *text);
  }
  return texts;
}

Result<LoadedLanguage> LoadLanguageFile(FileSystem& fs, const std::string& program_folder,
                                        std::string_view code, MessageBox& box) {
  std::string name = LanguageFileName(code);
  Result<std::string> content = fs.ReadFile(JoinPath(program_folder, name));
  if (!content.ok()) {
    const MessageAnswer answer =
        box.Show(MessageKind::kError, "Error",
                 "Language file " + name + " not found, try to find another language file ?",
                 MessageButtons::kYesNo);
    if (answer != MessageAnswer::kYes) {
      return StartFailure(ErrorKind::kNotFound, "Language file " + name + " not found");
    }
    Result<std::string> other = FindAnyLanguageFile(fs, program_folder);
    if (!other.ok()) return other.status();
    name = *other;
    content = fs.ReadFile(JoinPath(program_folder, name));
    if (!content.ok()) return StartFailure(ErrorKind::kIo, "Unable to open " + name);
  }
  // No code page of a language file has a NUL character; a file holding one
  // is some other file under this name, and its "texts" would be garbage.
  if (content->find('\0') != std::string::npos) {
    return StartFailure(ErrorKind::kCorrupt, "Language file " + name + " is not a text file");
  }
  Result<LanguageTextTable> texts = ParseLanguageTexts(*content);
  if (!texts.ok()) return texts.status();
  return LoadedLanguage{std::move(texts).value(), name};
}

}  // namespace brilox
