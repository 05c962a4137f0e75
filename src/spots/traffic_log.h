// The traffic logs: one headerless file of fixed-size records per broadcast
// category in the data folder, appended one record per shown line and read
// back by record number by the log viewer and the log search.
//
// A record is a length-prefixed text: byte 0 holds the length n, bytes 1..n
// the characters, the rest of the record is filler.  Record 0 is the oldest;
// the record count is the file size divided by the record size.  The layout
// is written down in docs/formats/traffic-logs.md.
//
// Window thread only (one TrafficLog per data folder).  Every file access goes
// through the FileSystem given at construction.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/result.h"
#include "core/settings.h"

namespace brilox {

enum class LogCategory { kDx, kPropagation, kAnnouncement, kChat, kTalk };

inline constexpr std::array<LogCategory, 5> kAllLogCategories = {
    LogCategory::kDx, LogCategory::kPropagation, LogCategory::kAnnouncement, LogCategory::kChat,
    LogCategory::kTalk};

// Record sizes in bytes, length byte included.
inline constexpr std::size_t kLengthByteSize = 1;
inline constexpr std::size_t kDxRecordSize = 80;           // DXINFO.DAT
inline constexpr std::size_t kPropagationRecordSize = 80;  // WWVINFO.DAT
inline constexpr std::size_t kMessageRecordSize = 161;     // ANNINFO.DAT, CHATINFO.DAT, TALKINFO.DAT

// Texts the record builders produce (the capacity may hold one more).
inline constexpr std::size_t kDxTextLength = 79;
inline constexpr std::size_t kPropagationTextLength = 78;
inline constexpr std::size_t kMessageTextLength = 160;

static_assert(kDxRecordSize - kLengthByteSize == kDxTextLength);
static_assert(kPropagationRecordSize - kLengthByteSize >= kPropagationTextLength);
static_assert(kMessageRecordSize - kLengthByteSize == kMessageTextLength);
static_assert(kMessageRecordSize - kLengthByteSize <= 255, "the length must fit its byte");

struct LogFileLayout {
  std::string_view file_name;
  std::size_t record_size;
  std::size_t capacity() const { return record_size - kLengthByteSize; }
};

LogFileLayout LayoutOf(LogCategory category);

// The category a broadcast line class is logged under: 1-2 DX, 3, 4, 8, 9
// propagation, 5-7 announcements, 98 chat, 99 talk; none for other classes.
std::optional<LogCategory> LogCategoryOfLineClass(int line_class);

// The settings bit of `Disk` that switches the category's log on.
bool IsLoggingWanted(const BroadcastKinds& disk, LogCategory category);

// Whether a processed line goes to its log: only a line shown for the first
// time, of a category whose `Disk` bit is set, and never a simulated spot.
bool ShouldAppendLogRecord(const BroadcastKinds& disk, LogCategory category, bool new_for_display,
                           bool test_spot);

// One record of `layout.record_size` bytes; a longer text is cut to the capacity.
std::string EncodeLogRecord(const LogFileLayout& layout, std::string_view text);

// The text of one record.  A length byte beyond the capacity (a damaged
// record) is read as the whole capacity, so the viewer still shows the text;
// a record shorter than its size gives what it holds.
std::string DecodeLogRecord(const LogFileLayout& layout, std::string_view record);

class TrafficLog {
 public:
  TrafficLog(FileSystem& fs, std::string data_folder);

  std::string PathOf(LogCategory category) const;

  // Creates every log file that is missing, empty.  Fails on the first file
  // that cannot be created (the start-up sequence stops the program then).
  Status CreateMissingLogFiles();

  // Appends one record holding `text` (cut to the capacity).  The record is
  // written in one piece and left to the system's write-back (a power cut may
  // cost the last records, never earlier ones).  A missing file is created.  A file whose size is
  // not a whole number of records (a write cut short by a crash) first loses
  // the broken tail, so that every later record stays on its boundary.
  // Failures are returned; the caller drops the record without a message.
  Status AppendLogRecord(LogCategory category, std::string_view text);

  // Whole records in the file; a broken tail does not count.  A missing file has none.
  Result<std::uint64_t> RecordCount(LogCategory category);

  // The text of record `number` (0 is the oldest); NotFound beyond the end.
  Result<std::string> ReadLogRecord(LogCategory category, std::uint64_t number);

  // Up to `count` texts from record `first` on, in file order, read in one
  // access; fewer at the end of the file.
  Result<std::vector<std::string>> ReadLogRecords(LogCategory category, std::uint64_t first,
                                                  std::size_t count);

 private:
  Status DropBrokenTail(const std::string& path, std::uint64_t whole_records, std::size_t record_size);

  FileSystem& m_fs;
  std::string m_dataFolder;
};

}  // namespace brilox
