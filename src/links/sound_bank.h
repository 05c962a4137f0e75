// The sound bank: the recorded words and characters of an announcement,
// read once from the "sounds" folder of the program folder into memory so
// that an announcement plays without touching the disk.
//
//   sounds/<voice>/0.wav .. 9.wav, a.wav .. z.wav, point.wav, stroke.wav
//   sounds/<voice>/cw.wav dxcc.wav ghz.wav iota.wav longwave.wav rtty.wav
//                  sat.wav seeked.wav ssb.wav   (not for "CW")
//   sounds/<voice>/logbook.wav                  (optional, not for "CW")
//   sounds/common/new.wav noneed.wav noqsl.wav noqso.wav talk.wav
//
// <voice> is "CW" for recorded Morse, else the `LanguageWAV` folder.  File
// and folder names match whatever their letter case.  A bank that misses a
// file, or holds one that is not a usable WAV, is refused as a whole with a
// message naming the file, and the announcer falls back to Morse tones.
//
// Built on the announcer's thread; read there only.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/result.h"

namespace brilox {

class SoundBank {
 public:
  bool empty() const { return m_words.empty(); }
  // The samples of a word ("A", ".", "/", "POINT", "DXCC", ...; any case);
  // nullptr when the bank has no sound for it, which keeps the word silent.
  const std::vector<std::int16_t>* Find(const std::string& word) const;

  void Add(const std::string& word, std::vector<std::int16_t> samples);

 private:
  std::map<std::string, std::vector<std::int16_t>> m_words;
};

// LoadSoundBank: the bank of `voice_folder` under `sounds_folder`, at the
// output's sample rate.
Result<SoundBank> LoadSoundBank(FileSystem& files, const std::string& sounds_folder,
                                const std::string& voice_folder, int sample_rate);

}  // namespace brilox
