#include "links/sound_bank.h"

#include <cctype>
#include <optional>

#include "platform/wav_image.h"

namespace brilox {
namespace {

constexpr const char* kCommonFolder = "common";
constexpr const char* kCommonWords[] = {"NEW", "NONEED", "NOQSL", "NOQSO", "TALK"};
constexpr const char* kVoiceWords[] = {"CW",   "DXCC", "GHZ",    "IOTA", "LONGWAVE",
                                       "RTTY", "SAT",  "SEEKED", "SSB"};
constexpr const char* kOptionalVoiceWord = "LOGBOOK";
// A sound longer than this is not a word; its file is refused rather than
// kept in memory.
constexpr std::size_t kMaxWordBytes = 4 * 1024 * 1024;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}
std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The entry of `folder` whose name is `name` in any letter case.
std::optional<std::string> FindEntry(FileSystem& files, const std::string& folder, const std::string& name) {
  Result<std::vector<std::string>> entries = files.ListDirectory(folder);
  if (!entries.ok()) return std::nullopt;
  for (const std::string& entry : *entries) {
    if (Lower(entry) == Lower(name)) return JoinPath(folder, entry);
  }
  return std::nullopt;
}

class Loader {
 public:
  Loader(FileSystem& files, int sample_rate) : m_files(files), m_sampleRate(sample_rate) {}

  // Adds the sound of `word` from `<folder>/<file>`; false (with `error`
  // set) when it cannot.
  bool Add(const std::string& folder, const std::string& folder_name, const std::string& word,
           const std::string& file, bool optional = false) {
    const std::string shown = "sounds/" + folder_name + "/" + file;
    const std::optional<std::string> path = FindEntry(m_files, folder, file);
    if (!path) {
      if (optional) return true;
      error = shown + ": missing";
      return false;
    }
    Result<std::uint64_t> size = m_files.FileSize(*path);
    if (size.ok() && *size > kMaxWordBytes) {
      error = shown + ": " + std::to_string(*size) + " bytes, too long for a word";
      return false;
    }
    Result<std::string> bytes = m_files.ReadFile(*path);
    if (!bytes.ok()) {
      error = shown + ": " + bytes.status().ToString();
      return false;
    }
    Result<PcmSound> sound = ReadWavImage(*bytes);
    if (!sound.ok()) {
      error = shown + ": " + sound.status().context();
      return false;
    }
    bank.Add(word, Resample(*sound, m_sampleRate));
    return true;
  }

  SoundBank bank;
  std::string error;

 private:
  FileSystem& m_files;
  int m_sampleRate;
};

}  // namespace

const std::vector<std::int16_t>* SoundBank::Find(const std::string& word) const {
  std::string key = Upper(word);
  if (key == ".") key = "POINT";
  if (key == "/") key = "STROKE";
  auto it = m_words.find(key);
  return it == m_words.end() ? nullptr : &it->second;
}

void SoundBank::Add(const std::string& word, std::vector<std::int16_t> samples) {
  m_words[Upper(word)] = std::move(samples);
}

Result<SoundBank> LoadSoundBank(FileSystem& files, const std::string& sounds_folder,
                                const std::string& voice_folder, int sample_rate) {
  const std::optional<std::string> voice = FindEntry(files, sounds_folder, voice_folder);
  if (!voice || !files.IsDirectory(*voice))
    return Status::NotFound("sounds/" + voice_folder + ": missing folder");
  const std::optional<std::string> common = FindEntry(files, sounds_folder, kCommonFolder);
  if (!common || !files.IsDirectory(*common)) {
    return Status::NotFound(std::string("sounds/") + kCommonFolder + ": missing folder");
  }
  Loader loader(files, sample_rate);
  std::vector<std::string> characters;
  for (char c = '0'; c <= '9'; ++c) characters.emplace_back(1, c);
  for (char c = 'a'; c <= 'z'; ++c) characters.emplace_back(1, c);
  for (const std::string& c : characters) {
    if (!loader.Add(*voice, voice_folder, c, c + ".wav")) return Status::Corrupt(loader.error);
  }
  if (!loader.Add(*voice, voice_folder, "POINT", "point.wav") ||
      !loader.Add(*voice, voice_folder, "STROKE", "stroke.wav")) {
    return Status::Corrupt(loader.error);
  }
  if (Upper(voice_folder) != "CW") {
    for (const char* word : kVoiceWords) {
      if (!loader.Add(*voice, voice_folder, word, Lower(word) + ".wav")) return Status::Corrupt(loader.error);
    }
    if (!loader.Add(*voice, voice_folder, kOptionalVoiceWord, "logbook.wav", /*optional=*/true)) {
      return Status::Corrupt(loader.error);
    }
  }
  for (const char* word : kCommonWords) {
    if (!loader.Add(*common, kCommonFolder, word, Lower(word) + ".wav")) return Status::Corrupt(loader.error);
  }
  return std::move(loader.bank);
}

}  // namespace brilox
