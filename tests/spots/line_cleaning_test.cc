// The cleaning steps on DecodeLine and the WWV hour rounding, as tables.
#include "spots/line_cleaning.h"

#include <gtest/gtest.h>

#include <string>

#include "spots/decode_line.h"

namespace brilox {
namespace {

DecodeLine Line(std::string_view text) {
  DecodeLine line;
  line.Assign(text);
  return line;
}

TEST(DecodeLine, KeepsAtMost255Characters) {
  DecodeLine line;
  line.Assign(std::string(300, 'a'));
  EXPECT_EQ(line.size(), 255u);
  line.Append('b');
  line.Append("more");
  EXPECT_EQ(line.view(), std::string(255, 'a'));
  EXPECT_EQ(line.At(255), 'a');
  EXPECT_EQ(line.At(256), '\0');
  EXPECT_EQ(line.At(0), '\0');
}

struct CleaningCase {
  const char* input;
  const char* expected;
  int removed;
};

TEST(RemoveLineControls, TakesOutBellLfCrAndCountsThem) {
  const CleaningCase cases[] = {
      {"WWV de N0DXS <11>: SFI=155\a\a\r\n", "WWV de N0DXS <11>: SFI=155", 4},
      {"a\rb\nc\ad", "abcd", 3},
      {"nothing to do", "nothing to do", 0},
      {"\x1b[0m keeps ESC and NUL\0", "\x1b[0m keeps ESC and NUL", 0},
  };
  for (const CleaningCase& c : cases) {
    DecodeLine line = Line(c.input);
    int removed = 5;
    RemoveLineControls(line, removed);
    EXPECT_EQ(line.view(), c.expected) << c.input;
    EXPECT_EQ(removed, 5 + c.removed) << c.input;
  }
}

TEST(RemoveEscapeCodes, RemovesTheFirstResetAndTheFirstG0) {
  const CleaningCase cases[] = {
      {"DX de \x1b[0mK1ABC\x1bG0:", "DX de K1ABC:", 0},
      {"\x1b[0m\x1b[0m twice", "\x1b[0m twice", 0},
      {"\x1bG0 then \x1bG0", " then \x1bG0", 0},
      {"ESC alone \x1b[1m stays", "ESC alone \x1b[1m stays", 0},
  };
  for (const CleaningCase& c : cases) {
    DecodeLine line = Line(c.input);
    RemoveEscapeCodes(line);
    EXPECT_EQ(line.view(), c.expected) << c.input;
  }
}

TEST(RemoveTimeTag, RemovesTheBlankAndTheTagOnly) {
  const CleaningCase cases[] = {
      {"CT2IDL <1044Z> : TNX qso..", "CT2IDL : TNX qso..", 8},
      {"N5UXT <1405Z>: rebooting", "N5UXT: rebooting", 8},
      {"W1AW: hello", "W1AW: hello", 0},
      // A "<" that opens no time tag is part of the message.
      {"W1AW: I <3 this band", "W1AW: I <3 this band", 0},
      {"W1AW: see <12345>", "W1AW: see <12345>", 0},
      {"<1044Z> at the start", "<1044Z> at the start", 0},
      {"cut <10", "cut <10", 0},
  };
  for (const CleaningCase& c : cases) {
    DecodeLine line = Line(c.input);
    int removed = 0;
    RemoveTimeTag(line, removed);
    EXPECT_EQ(line.view(), c.expected) << c.input;
    EXPECT_EQ(removed, c.removed) << c.input;
  }
}

TEST(TraiteHeureWWV, RoundsTheHourDownToThreeHourSteps) {
  const CleaningCase cases[] = {
      {"WWV de VE7CC <21>:   SFI=70", "WWV de VE7CC <21>:   SFI=70", 0},
      {"WWV de W1AW <17>: SFI=70", "WWV de W1AW <15>: SFI=70", 0},
      {"WWV de W1AW <02>: SFI=70", "WWV de W1AW <00>: SFI=70", 0},
      {"WWV de N0DXS <11>:   SFI=155", "WWV de N0DXS <09>:   SFI=155", 0},
      {"WWV de W1AW <1800>: SFI=70", "WWV de W1AW <18>: SFI=70", 0},
      {"WWV de W1AW <1700>: SFI=70", "WWV de W1AW <15>: SFI=70", 0},
      {"WWV de VE7CC <15Z> :   SFI=68", "WWV de VE7CC <15Z> :   SFI=68", 0},
      {"WWV de W1AW <ab>: SFI=70", "WWV de W1AW <ab>: SFI=70", 0},
      {"WWV de W1AW <7>: SFI=70", "WWV de W1AW <7>: SFI=70", 0},
      {"WWV de W1AW no tag", "WWV de W1AW no tag", 0},
      {"WWV de W1AW <1", "WWV de W1AW <1", 0},
  };
  for (const CleaningCase& c : cases) {
    DecodeLine line = Line(c.input);
    TraiteHeureWWV(line);
    EXPECT_EQ(line.view(), c.expected) << c.input;
  }
}

}  // namespace
}  // namespace brilox
