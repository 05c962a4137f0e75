// A language file (BRLMSG85.xxx), as an operator's translation may leave it:
// the input alone, and the input followed by the shipped English file, so
// that short inputs still reach a complete table.  Every text is cut to its
// maximum length; a file too short fails with the missing-lines message.
#include <cstdint>
#include <string>

#include "platform/message_box.h"
#include "shell/language_file.h"
#include "support/fuzz_support.h"

namespace {

// Whether the file loaded; a failure other than a NUL byte or too few lines is a fault.
bool Load(const std::string& content) {
  using namespace brilox;
  MemoryFileSystem fs;
  fs.files()["/program/BRLMSG85.XYZ"] = content;
  RecordingMessageBox box;
  Result<LoadedLanguage> loaded = LoadLanguageFile(fs, "/program", "XYZ", box);
  const bool binary = content.find('\0') != std::string::npos;
  if (!loaded.ok() && !binary && loaded.status().context() != kMissingLanguageLinesMessage) __builtin_trap();
  return loaded.ok();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace brilox;
  const std::string_view text = fuzz::AsText(data, size);
  Load(std::string(text));
  // The shipped file's lines complete any input that holds no NUL.
  const bool completed = Load(std::string(text) + "\n" + fuzz::ProgramFile("BRLMSG85.ENU"));
  if (!completed && text.find('\0') == std::string_view::npos) __builtin_trap();
  for (std::string_view rest = text; !rest.empty();) {
    const std::size_t end = rest.find('\n');
    if (StripTextLine(rest.substr(0, end)).size() > rest.substr(0, end).size()) __builtin_trap();
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  return 0;
}
