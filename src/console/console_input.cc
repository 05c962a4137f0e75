#include "console/console_input.h"

#include <cstdio>

namespace brilox {
namespace {

constexpr std::size_t kChunkBytes = 512;  // about what one read from a link brings

std::string ReadStandardInput() {
  std::string bytes;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) bytes.append(buffer, got);
  return bytes;
}

Result<std::string> ReadInput(const ConsoleInput& input, FileSystem& fs) {
  if (input.path == "-") return ReadStandardInput();
  Result<std::string> bytes = fs.ReadFile(input.path);
  if (!bytes.ok())
    return Status::NotFound("cannot read " + input.path + " (" + bytes.status().ToString() + ")");
  return bytes;
}

void FeedInChunks(SpotPipeline& pipeline, int terminal, std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size(); at += kChunkBytes)
    pipeline.Feed(terminal, bytes.substr(at, kChunkBytes));
}

}  // namespace

std::vector<std::pair<int, std::string>> InterleaveLines(const std::vector<ConsoleStream>& streams) {
  std::vector<std::pair<int, std::string>> lines;
  std::vector<std::size_t> positions(streams.size(), 0);
  for (bool any = true; any;) {
    any = false;
    for (std::size_t i = 0; i < streams.size(); ++i) {
      const std::string& bytes = streams[i].bytes;
      std::size_t& at = positions[i];
      if (at >= bytes.size()) continue;
      const std::size_t end = bytes.find('\n', at);
      const std::size_t next = end == std::string::npos ? bytes.size() : end + 1;
      lines.emplace_back(streams[i].terminal, bytes.substr(at, next - at));
      at = next;
      any = true;
    }
  }
  return lines;
}

Status FeedInputs(const std::vector<ConsoleInput>& inputs, SpotPipeline& pipeline, FileSystem& fs) {
  if (inputs.size() == 1 && inputs.front().path == "-") {
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) {
      pipeline.Feed(inputs.front().terminal, std::string_view(buffer, got));
    }
    return Status::Ok();
  }
  std::vector<ConsoleStream> streams;
  for (const ConsoleInput& input : inputs) {
    Result<std::string> bytes = ReadInput(input, fs);
    if (!bytes.ok()) return bytes.status();
    streams.push_back({input.terminal, std::move(*bytes)});
  }
  if (streams.size() == 1) {
    FeedInChunks(pipeline, streams.front().terminal, streams.front().bytes);
    return Status::Ok();
  }
  for (const auto& [terminal, line] : InterleaveLines(streams)) pipeline.Feed(terminal, line);
  return Status::Ok();
}

}  // namespace brilox
