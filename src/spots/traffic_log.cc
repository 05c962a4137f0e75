#include "spots/traffic_log.h"

#include <algorithm>
#include <utility>

namespace brilox {

LogFileLayout LayoutOf(LogCategory category) {
  switch (category) {
    case LogCategory::kDx:
      return {"DXINFO.DAT", kDxRecordSize};
    case LogCategory::kPropagation:
      return {"WWVINFO.DAT", kPropagationRecordSize};
    case LogCategory::kAnnouncement:
      return {"ANNINFO.DAT", kMessageRecordSize};
    case LogCategory::kChat:
      return {"CHATINFO.DAT", kMessageRecordSize};
    case LogCategory::kTalk:
      return {"TALKINFO.DAT", kMessageRecordSize};
  }
  return {"DXINFO.DAT", kDxRecordSize};
}

std::optional<LogCategory> LogCategoryOfLineClass(int line_class) {
  switch (line_class) {
    case 1:
    case 2:
      return LogCategory::kDx;
    case 3:
    case 4:
    case 8:
    case 9:
      return LogCategory::kPropagation;
    case 5:
    case 6:
    case 7:
      return LogCategory::kAnnouncement;
    case 98:
      return LogCategory::kChat;
    case 99:
      return LogCategory::kTalk;
    default:
      return std::nullopt;
  }
}

bool IsLoggingWanted(const BroadcastKinds& disk, LogCategory category) {
  switch (category) {
    case LogCategory::kDx:
      return disk.dx;
    case LogCategory::kPropagation:
      return disk.wwv;
    case LogCategory::kAnnouncement:
      return disk.announcements;
    case LogCategory::kChat:
      return disk.chat;
    case LogCategory::kTalk:
      return disk.talk;
  }
  return false;
}

bool ShouldAppendLogRecord(const BroadcastKinds& disk, LogCategory category, bool new_for_display,
                           bool test_spot) {
  if (!new_for_display || !IsLoggingWanted(disk, category)) return false;
  return !(category == LogCategory::kDx && test_spot);
}

std::string EncodeLogRecord(const LogFileLayout& layout, std::string_view text) {
  const std::size_t length = std::min(text.size(), layout.capacity());
  std::string record(layout.record_size, '\0');
  record[0] = static_cast<char>(static_cast<unsigned char>(length));
  std::copy_n(text.data(), length, record.begin() + kLengthByteSize);
  return record;
}

std::string DecodeLogRecord(const LogFileLayout& layout, std::string_view record) {
  if (record.empty()) return {};
  std::size_t length = static_cast<unsigned char>(record[0]);
  length = std::min({length, layout.capacity(), record.size() - kLengthByteSize});
  return std::string(record.substr(kLengthByteSize, length));
}

TrafficLog::TrafficLog(FileSystem& fs, std::string data_folder)
    : m_fs(fs), m_dataFolder(std::move(data_folder)) {}

std::string TrafficLog::PathOf(LogCategory category) const {
  return JoinPath(m_dataFolder, LayoutOf(category).file_name);
}

Status TrafficLog::CreateMissingLogFiles() {
  for (LogCategory category : kAllLogCategories) {
    const std::string path = PathOf(category);
    if (m_fs.Exists(path)) continue;
    Status s = m_fs.WriteFile(path, "");
    if (!s.ok()) return s;
  }
  return Status::Ok();
}

Status TrafficLog::AppendLogRecord(LogCategory category, std::string_view text) {
  const LogFileLayout layout = LayoutOf(category);
  const std::string path = PathOf(category);
  const std::string record = EncodeLogRecord(layout, text);
  Result<std::uint64_t> size = m_fs.FileSize(path);
  if (!size.ok() && !size.status().IsNotFound()) return size.status();
  const std::uint64_t bytes = size.ok() ? *size : 0;
  if (bytes % layout.record_size != 0) {
    Status s = DropBrokenTail(path, bytes / layout.record_size, layout.record_size);
    if (!s.ok()) return s;
  }
  // A traffic log may lose its last records in a power cut, not earlier ones;
  // waiting for the device on every line would cap the lines per second.
  return m_fs.AppendFileUnflushed(path, record);
}

Status TrafficLog::DropBrokenTail(const std::string& path, std::uint64_t whole_records,
                                  std::size_t record_size) {
  Result<std::string> content = m_fs.ReadFile(path);
  if (!content.ok()) return content.status();
  content->resize(static_cast<std::size_t>(whole_records * record_size));
  return WriteFileAtomic(m_fs, path, *content);
}

Result<std::uint64_t> TrafficLog::RecordCount(LogCategory category) {
  Result<std::uint64_t> size = m_fs.FileSize(PathOf(category));
  if (!size.ok()) {
    if (size.status().IsNotFound()) return std::uint64_t{0};
    return size.status();
  }
  return *size / LayoutOf(category).record_size;
}

Result<std::string> TrafficLog::ReadLogRecord(LogCategory category, std::uint64_t number) {
  Result<std::vector<std::string>> texts = ReadLogRecords(category, number, 1);
  if (!texts.ok()) return texts.status();
  if (texts->empty()) {
    return Status::NotFound(std::string(LayoutOf(category).file_name) + " record " + std::to_string(number));
  }
  return std::move(texts->front());
}

Result<std::vector<std::string>> TrafficLog::ReadLogRecords(LogCategory category, std::uint64_t first,
                                                            std::size_t count) {
  const LogFileLayout layout = LayoutOf(category);
  Result<std::uint64_t> total = RecordCount(category);
  if (!total.ok()) return total.status();
  std::vector<std::string> texts;
  if (first >= *total || count == 0) return texts;
  const std::uint64_t wanted = std::min<std::uint64_t>(count, *total - first);
  Result<std::string> bytes = m_fs.ReadAt(PathOf(category), first * layout.record_size,
                                          static_cast<std::size_t>(wanted * layout.record_size));
  if (!bytes.ok()) return bytes.status();
  const std::string_view view(*bytes);
  const std::size_t whole = view.size() / layout.record_size;
  texts.reserve(whole);
  for (std::size_t i = 0; i < whole; ++i) {
    texts.push_back(DecodeLogRecord(layout, view.substr(i * layout.record_size, layout.record_size)));
  }
  return texts;
}

}  // namespace brilox
