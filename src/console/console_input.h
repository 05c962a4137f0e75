// The byte streams brilox-console replays into the pipeline.  One stream is
// fed in chunks as it arrives (standard input may be a live pipe); several
// are read first and then interleaved line by line, one line of each in
// turn, as links to several nodes would deliver them.  Main thread.
#pragma once

#include <string>
#include <vector>

#include "console/console_options.h"
#include "platform/file_system.h"
#include "platform/result.h"
#include "spots/spot_pipeline.h"

namespace brilox {

// A stream with its terminal, read whole.
struct ConsoleStream {
  int terminal = 1;
  std::string bytes;
};

// Splits streams into lines (each with its LF; a last line may lack it) and
// takes one line from each stream in turn until all are used up.
std::vector<std::pair<int, std::string>> InterleaveLines(const std::vector<ConsoleStream>& streams);

// Feeds every input to `pipeline`; fails on the first input that cannot be read.
Status FeedInputs(const std::vector<ConsoleInput>& inputs, SpotPipeline& pipeline, FileSystem& fs);

}  // namespace brilox
