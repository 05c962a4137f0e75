// brilox-console: feeds cluster bytes from a file or standard input through
// the line intake of terminal 1 and prints what it recognised and what the
// terminal window holds.  A stand-in until the spot pipeline exists.
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "shell/settings/settings.h"
#include "spots/line_handler.h"
#include "spots/line_intake.h"
#include "spots/window_line_stores.h"

namespace brilox {
namespace {

constexpr const char* kSampleName = "samples/cluster_session.raw";
constexpr std::size_t kChunkBytes = 512;  // about what one read from a link brings

void PrintHelp() {
  std::puts(
      "usage: brilox-console [--data-dir DIR] [--sample] [--call CALL] [FILE]\n"
      "Reads DX cluster traffic from FILE (or standard input; --sample: the\n"
      "bundled sample in DIR/samples) as terminal 1, prints each broadcast line\n"
      "it recognises (line class and decoded text), then the rows of terminal\n"
      "window 1.  --call sets the own call for talk lines (default NOCALL).");
}

// Control bytes shown as \xNN so that a raw stream cannot upset the console.
std::string Printable(std::string_view text) {
  std::string out;
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out;
}

class PrintingHandler : public LineHandler {
 public:
  void DecodeDX(int, LineInProgress&) override {}
  void DecodeWWV(int, LineInProgress&) override {}
  void DecodeANN(int, LineInProgress&) override {}
  void TraiteDX(int terminal, LineInProgress& line) override {
    std::printf(
        "T%d class %d%s: %s\n", terminal, static_cast<int>(line.line_class),
        line.line_class == LineClass::kDxText ? (line.layout == SpotLayout::kFull ? " (P)" : " (C)") : "",
        Printable(line.decode_line.view()).c_str());
  }
};

void FeedInChunks(LineIntake& intake, std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size(); at += kChunkBytes)
    intake.FeedChunk(1, bytes.substr(at, kChunkBytes));
}

}  // namespace
}  // namespace brilox

int main(int argc, char** argv) {
  using namespace brilox;
  std::string data_dir = "data";
  std::string file;
  bool sample = false;
  Settings settings;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      PrintHelp();
      return 0;
    } else if (std::strcmp(argv[i], "--sample") == 0) {
      sample = true;
    } else if (std::strcmp(argv[i], "--data-dir") == 0 && i + 1 < argc) {
      data_dir = argv[++i];
    } else if (std::strcmp(argv[i], "--call") == 0 && i + 1 < argc) {
      settings.MyCall = argv[++i];
    } else if (argv[i][0] == '-' && argv[i][1] != '\0') {
      std::fprintf(stderr, "brilox-console: unknown option %s\n", argv[i]);
      PrintHelp();
      return 2;
    } else {
      file = argv[i];
    }
  }
  if (sample) file = JoinPath(data_dir, kSampleName);

  WindowLineStores windows(settings);
  windows.SetView({'M', 1});
  PrintingHandler handler;
  LineIntake intake(settings, windows, handler);

  if (!file.empty()) {
    Result<std::string> bytes = PosixFileSystem().ReadFile(file);
    if (!bytes.ok()) {
      std::fprintf(stderr, "brilox-console: cannot read %s (%s)\n", file.c_str(),
                   bytes.status().ToString().c_str());
      return 1;
    }
    std::printf("brilox-console: replaying %s as terminal 1\n", file.c_str());
    FeedInChunks(intake, *bytes);
  } else {
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) {
      FeedInChunks(intake, std::string_view(buffer, got));
    }
  }

  const LineStore& terminal = windows.Terminal(1);
  std::printf("--- terminal window 1: %d rows ---\n", terminal.row_count());
  for (int i = 0; i < terminal.row_count(); ++i) std::printf("%s\n", Printable(terminal.row(i)).c_str());
  return 0;
}
