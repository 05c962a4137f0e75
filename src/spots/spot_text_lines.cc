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

std::string CommentSpotterBlock(std::string_view comment, std::string_view spotter, SpotterCase spotter_case) {
  constexpr std::size_t kBlockWidth = 40;
  std::string block(kBlockWidth - 1, ' ');
  block += '>';
  block.replace(0, std::min(comment.size(), kCommentWidth), comment.substr(0, kCommentWidth));
  // "<" at block position 39 - n and the spotter in 40 - n .. 39 (1-based);
  // a spotter too long for the block keeps its first 38 characters.
  const std::string_view kept = spotter.substr(0, kBlockWidth - 2);
  const std::size_t n = kept.size();
  block[38 - n] = '<';
  const std::string shown = spotter_case == SpotterCase::kUpper ? UpperAscii(kept) : std::string(kept);
  block.replace(39 - n, n, shown);
  return block;
}

std::string BuildLogLine(std::string_view frequency11, std::string_view dx_call, std::string_view date9,
                         std::string_view spot_time, std::string_view comment, std::string_view spotter,
                         SpotterCase spotter_case) {
  std::string line;
  line.reserve(kLogLineWidth);
  line += FitRight(frequency11, 11);
  line += FitRight(dx_call, kDxCallWidth);
  line += FitRight(date9, 9);
  line += ' ';
  line += FitRight(spot_time, kSpotTimeWidth);
  line += ' ';
  line += CommentSpotterBlock(comment, spotter, spotter_case);
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
