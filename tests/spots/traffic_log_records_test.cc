// Record texts of every category, built from real lines, survive the trip
// through their log file byte for byte and keep their columns in the file.
#include <gtest/gtest.h>

#include <string>

#include "platform/memory_file_system.h"
#include "spots/message_lines.h"
#include "spots/propagation_lines.h"
#include "spots/traffic_log.h"

namespace brilox {
namespace {

const DayTime kReceived = EncodeDateTime(2026, 12, 10, 11, 12);

TEST(TrafficLogRecords, EveryCategoryRoundTripsThroughItsFile) {
  std::string frame = "PC12^K1ABC-2^*^QRV 40m CW tonight^ ^N0DXS-2^0^H99^~";
  ASSERT_TRUE(DecodeANN(frame).accepted);
  // A DX log line as the spot decoder lays it out (frequency, call, date, time, comment, spotter).
  std::string comment_block = "CW 599 loud" + std::string(29, ' ');
  comment_block.replace(40 - 7, 7, "<N0DXS>");
  const std::string dx_line = "  14025.0  " "JA1XYZ      " "10-Dec-26" " " "1112Z" " " + comment_block;
  ASSERT_EQ(dx_line.size(), kDxTextLength);

  const struct {
    LogCategory category;
    std::string text;
  } records[] = {
      {LogCategory::kDx, dx_line},
      {LogCategory::kPropagation, LigneFichWWV("WWV de N0DXS <09>:   SFI=155, A=7, K=3, Minor storm", kReceived).LogLine},
      {LogCategory::kPropagation,
       LigneFichWCY("WCY de DK0WCY-2 <19> : K=2 expK=0 A=5 R=126 SFI=141 SA=eru GMF=qui Au=no", kReceived).LogLine},
      {LogCategory::kAnnouncement, LigneFichANN("ALL de N0DXS: QRV 40m CW tonight", kReceived).RecordText},
      {LogCategory::kAnnouncement, LigneFichANN(frame, kReceived).RecordText},
      {LogCategory::kAnnouncement, LigneFichANN("LOCAL de N0DXS: only local", kReceived).RecordText},
      {LogCategory::kChat, LigneFichChat("W1AW: qrv on 6m", "VHF", kReceived).RecordText},
      {LogCategory::kTalk, LigneFichTalk("N0DXS: hello there", "K1ABC", kReceived).RecordText},
  };

  MemoryFileSystem fs;
  TrafficLog log(fs, "data");
  for (const auto& r : records) ASSERT_TRUE(log.AppendLogRecord(r.category, r.text).ok());

  std::uint64_t next[5] = {};
  for (const auto& r : records) {
    const auto index = static_cast<std::size_t>(r.category);
    const LogFileLayout layout = LayoutOf(r.category);
    EXPECT_EQ(*log.ReadLogRecord(r.category, next[index]), r.text) << layout.file_name;
    // Text column c is byte c of the record in the file.
    const std::string& file = fs.files()["data/" + std::string(layout.file_name)];
    EXPECT_EQ(file.substr(next[index] * layout.record_size + 1, r.text.size()), r.text);
    EXPECT_EQ(static_cast<unsigned char>(file[next[index] * layout.record_size]), r.text.size());
    ++next[index];
  }
  EXPECT_EQ(fs.files()["data/WWVINFO.DAT"].size(), 2 * kPropagationRecordSize);
  EXPECT_EQ(fs.files()["data/ANNINFO.DAT"].size(), 3 * kMessageRecordSize);
}

}  // namespace
}  // namespace brilox
