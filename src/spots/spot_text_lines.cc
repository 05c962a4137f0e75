#include "spots/spot_text_lines.h"

#include "spots/spot_age.h"
#include "spots/spot_record.h"
#include "spots/text_columns.h"

namespace brilox {

std::string LogLineDate(DayTime utc) {
  const CivilTime civil = DecodeDateTime(utc);
  std::string date;
  date += civil.day < 10 ? ' ' : static_cast<char>('0' + civil.day / 10);
  date += static_cast<char>('0' + civil.day % 10);
  date += '-';
  date += MonthName(civil.month);
  date += '-';
  const int year = ((civil.year % 100) + 100) % 100;
  date += static_cast<char>('0' + year / 10);
  date += static_cast<char>('0' + year % 10);
  return date;
}

namespace {

constexpr std::size_t kBlockColumn = 39;  // 0-based start of the comment/spotter block
constexpr std::size_t kBlockWidth = 40;

// Copies `text` into `line` at `at`, cut to `width` (the blanks are there).
void Put(std::string& line, std::size_t at, std::string_view text, std::size_t width) {
  line.replace(at, std::min(text.size(), width), text.substr(0, width));
}

// The block on a line of blanks: the comment from its start, ">" at its
// end, "<" spotter before it; a spotter too long for the block keeps its
// first 38 characters.
void PutBlock(std::string& line, std::size_t at, std::string_view comment, std::string_view spotter,
              SpotterCase spotter_case) {
  Put(line, at, comment, kCommentWidth);
  line[at + kBlockWidth - 1] = '>';
  const std::string_view kept = spotter.substr(0, kBlockWidth - 2);
  const std::size_t spotter_at = at + kBlockWidth - 1 - kept.size();
  line[spotter_at - 1] = '<';
  for (std::size_t i = 0; i < kept.size(); ++i) {
    line[spotter_at + i] = spotter_case == SpotterCase::kUpper ? ToUpperAscii(kept[i]) : kept[i];
  }
}

}  // namespace

std::string CommentSpotterBlock(std::string_view comment, std::string_view spotter, SpotterCase spotter_case) {
  std::string block(kBlockWidth, ' ');
  PutBlock(block, 0, comment, spotter, spotter_case);
  return block;
}

std::string BuildLogLine(std::string_view frequency11, std::string_view dx_call, std::string_view date9,
                         std::string_view spot_time, std::string_view comment, std::string_view spotter,
                         SpotterCase spotter_case) {
  std::string line(kLogLineWidth, ' ');
  Put(line, 0, frequency11, 11);
  Put(line, 11, dx_call, kDxCallWidth);
  Put(line, 23, date9, 9);
  Put(line, 33, spot_time, kSpotTimeWidth);
  PutBlock(line, kBlockColumn, comment, spotter, spotter_case);
  return line;
}

std::string BuildShortLine(std::string_view spotter, std::string_view frequency, std::string_view dx_call,
                           std::string_view comment, std::string_view spot_time) {
  std::string_view short_spotter = spotter.substr(0, 6);
  short_spotter = short_spotter.substr(0, short_spotter.find('-'));
  std::string line = "DX de ";
  line += short_spotter;
  line += ' ';
  line += frequency;
  line += ' ';
  line += FitRight(dx_call, kDxCallWidth);
  line += ' ';
  line += comment.substr(0, 22);
  line += ' ';
  line += spot_time;
  return line;
}

std::string BuildTextShortLine(std::string_view spotter, std::string_view freq_text, std::string_view dx_call,
                               std::string_view comment, std::string_view spot_time) {
  std::string_view frequency = TrimBlanks(freq_text);
  frequency = frequency.substr(0, frequency.find('.'));
  std::string shown_comment(comment);
  if (!shown_comment.empty() && shown_comment.front() == '+') {
    for (std::size_t i = 0; i < 5 && i < shown_comment.size() && shown_comment[i] != ' '; ++i) {
      shown_comment[i] = ' ';
    }
  }
  return BuildShortLine(spotter, frequency, dx_call, shown_comment, spot_time);
}

}  // namespace brilox
