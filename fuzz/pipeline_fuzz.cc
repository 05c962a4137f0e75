// The whole spot pipeline on bytes from the nodes, as brilox-console replays
// them: intake, dispatch, decoding, processing, the window line stores, the
// traffic logs and the printed rows, on an in-memory data folder holding the
// shipped files (the first start's DXCC database made from the country file).
//
// The first input byte chooses how the rest arrives: bit 0 set, one stream
// for terminal 1 in chunks of 1 to 128 bytes (bits 1-7); else up to four
// streams, split at byte 0xFE, interleaved line by line as several links
// deliver them.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "console/console_input.h"
#include "console/console_printer.h"
#include "platform/clock.h"
#include "spots/spot_pipeline.h"
#include "support/fuzz_support.h"

namespace {

using namespace brilox;

std::FILE* NullOutput() {
  static std::FILE* out = std::fopen("/dev/null", "w");
  return out;
}

std::vector<ConsoleStream> SplitStreams(std::string_view bytes) {
  std::vector<ConsoleStream> streams;
  while (streams.size() < 3) {
    const std::size_t end = bytes.find('\xfe');
    if (end == std::string_view::npos) break;
    streams.push_back({static_cast<int>(streams.size()) + 1, std::string(bytes.substr(0, end))});
    bytes.remove_prefix(end + 1);
  }
  streams.push_back({static_cast<int>(streams.size()) + 1, std::string(bytes)});
  return streams;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  const std::string_view bytes = fuzz::AsText(data + 1, size - 1);

  MemoryFileSystem fs;
  fuzz::AddShippedFiles(fs);
  const FakeClock clock(46054.78);  // 2026-02-01 18:43 UTC
  Settings settings;
  SetMyCall(settings, "N0CALL");
  settings.ChatGroups = {"DXCHAT"};
  Result<std::unique_ptr<SpotPipeline>> opened =
      SpotPipeline::Open(fs, clock, fuzz::kDataFolder, settings, MissingDxccFile::kFreshFromCountryFile);
  if (!opened.ok()) __builtin_trap();  // the shipped files always open
  SpotPipeline& pipeline = **opened;
  ConsolePrinter printer(NullOutput(), NullOutput(), pipeline.settings(), pipeline.windows(),
                         (mode & 2) != 0);
  pipeline.processing().SetEvents(&printer);
  pipeline.SetView({'D', 1});

  if ((mode & 1) != 0) {
    const std::size_t chunk = 1 + (mode >> 1);
    for (std::size_t at = 0; at < bytes.size(); at += chunk) pipeline.Feed(1, bytes.substr(at, chunk));
  } else {
    for (const auto& [terminal, line] : InterleaveLines(SplitStreams(bytes))) pipeline.Feed(terminal, line);
  }
  // Every log record that was written is whole.
  for (LogCategory category : kAllLogCategories) {
    Result<std::uint64_t> file_size = fs.FileSize(pipeline.log().PathOf(category));
    if (!file_size.ok() || *file_size % LayoutOf(category).record_size != 0) __builtin_trap();
  }
  return 0;
}
