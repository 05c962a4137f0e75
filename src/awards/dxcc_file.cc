#include "awards/dxcc_file.h"

#include <cstdio>

namespace brilox {
namespace {

constexpr unsigned char kBlank = 0x20;

char UpperState(char state) { return (state >= 'a' && state <= 'z') ? static_cast<char>(state - 'a' + 'A') : state; }

bool IsPaperStateByte(unsigned char byte) {
  switch (UpperState(static_cast<char>(byte))) {
    case kStateNotWorked:
    case kStateWorked:
    case kStateConfirmed:
    case kStateCredited:
    case ' ':
      return true;
    default:
      return false;
  }
}

bool IsPrefixByte(unsigned char byte) { return byte >= 0x20 && byte <= 0x7E; }
// Names may hold the Western code page's accented letters.
bool IsNameByte(unsigned char byte) { return byte >= 0x20 && byte != 0x7F; }

std::string Hex(unsigned char byte) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", byte);
  return text;
}

// The first byte of a record that is not of its field's kind, or -1.
int FirstJunkByte(std::string_view record) {
  for (std::size_t i = 0; i < kDxccRecordSize; ++i) {
    const auto byte = static_cast<unsigned char>(record[i]);
    const bool ok = i < kDxccNameOffset     ? IsPrefixByte(byte)
                    : i < kDxccPaperOffset  ? IsNameByte(byte)
                    : i < kDxccLotwOffset   ? IsPaperStateByte(byte)
                                            : true;
    if (!ok) return static_cast<int>(i);
  }
  return -1;
}

bool PredatesLotw(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size(); at += kDxccRecordSize) {
    for (std::size_t i = 0; i < kDxccLotwBytes; ++i) {
      if (static_cast<unsigned char>(bytes[at + kDxccLotwOffset + i]) != kBlank) return false;
    }
  }
  return true;
}

DxccEntry DecodeRecord(std::string_view record, bool predates_lotw) {
  DxccEntry entry;
  entry.prefix = std::string(record.substr(kDxccPrefixOffset, kDxccPrefixLength));
  entry.name = std::string(record.substr(kDxccNameOffset, kDxccNameLength));
  entry.paper.fill(kStateNotWorked);
  entry.lotw.fill(kStateNotWorked);
  for (std::size_t i = 0; i < kDxccPaperBytes; ++i) {
    char state = UpperState(record[kDxccPaperOffset + i]);
    if (kDxccPaperOffset + i == kDxccPaper2mOffset && state == ' ') state = kStateNotWorked;
    entry.paper[static_cast<std::size_t>(kDxccPaperFileOrder[i])] = state;
  }
  if (!predates_lotw) {
    for (std::size_t i = 0; i < kDxccLotwBytes; ++i) {
      const auto byte = static_cast<unsigned char>(record[kDxccLotwOffset + i]);
      for (std::size_t field = 0; field < 4; ++field) {
        const int column = kDxccLotwFileOrder[i][field];
        if (column != kDxccNoColumn) entry.lotw[static_cast<std::size_t>(column)] = StateFromCode(byte >> (2 * field));
      }
    }
  }
  const auto band60 = static_cast<unsigned char>(record[kDxcc60mOffset]);
  entry.paper[static_cast<std::size_t>(DxccColumn::k60)] = StateFromCode(band60);
  entry.lotw[static_cast<std::size_t>(DxccColumn::k60)] = StateFromCode(band60 >> 2);
  return entry;
}

}  // namespace

unsigned StateCode(char state) {
  switch (state) {
    case kStateWorked:
      return 1;
    case kStateConfirmed:
      return 2;
    case kStateCredited:
      return 3;
    default:
      return 0;
  }
}

char StateFromCode(unsigned code) {
  static constexpr char kByCode[] = {kStateNotWorked, kStateWorked, kStateConfirmed, kStateCredited};
  return kByCode[code & 3u];
}

std::string EncodeDxccRecord(const DxccEntry& entry) {
  std::string record(kDxccRecordSize, '\0');
  record.replace(kDxccPrefixOffset, kDxccPrefixLength, PadText(entry.prefix, kDxccPrefixLength));
  record.replace(kDxccNameOffset, kDxccNameLength, PadText(entry.name, kDxccNameLength));
  for (std::size_t i = 0; i < kDxccPaperBytes; ++i) {
    record[kDxccPaperOffset + i] = UpperState(entry.paper[static_cast<std::size_t>(kDxccPaperFileOrder[i])]);
  }
  for (std::size_t i = 0; i < kDxccLotwBytes; ++i) {
    unsigned byte = 0;
    for (std::size_t field = 0; field < 4; ++field) {
      const int column = kDxccLotwFileOrder[i][field];
      if (column != kDxccNoColumn) byte |= StateCode(entry.lotw[static_cast<std::size_t>(column)]) << (2 * field);
    }
    record[kDxccLotwOffset + i] = static_cast<char>(byte);
  }
  const unsigned band60 = StateCode(entry.paper_state(DxccColumn::k60)) |
                          (StateCode(entry.lotw_state(DxccColumn::k60)) << 2);
  record[kDxcc60mOffset] = static_cast<char>(band60);
  return record;
}

std::string EncodeDxccFile(const DxccTable& table) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(table.count()) * kDxccRecordSize);
  for (int row = 1; row <= table.count(); ++row) bytes += EncodeDxccRecord(table.row(row));
  return bytes;
}

Result<std::vector<DxccEntry>> DecodeDxccFile(std::string_view bytes, std::string_view file_name) {
  const std::string name(file_name);
  if (bytes.size() % kDxccRecordSize != 0) {
    return Status::Corrupt(name + " is " + std::to_string(bytes.size()) +
                           " bytes long, which is not a whole number of " + std::to_string(kDxccRecordSize) +
                           "-byte records");
  }
  const std::size_t records = bytes.size() / kDxccRecordSize;
  if (records > static_cast<std::size_t>(kDxccCapacity)) {
    return Status::Full(name + " holds " + std::to_string(records) + " records, more than the " +
                        std::to_string(kDxccCapacity) + " the DXCC database can hold");
  }
  for (std::size_t k = 0; k < records; ++k) {
    const std::string_view record = bytes.substr(k * kDxccRecordSize, kDxccRecordSize);
    const int junk = FirstJunkByte(record);
    if (junk >= 0) {
      return Status::Corrupt(name + " record " + std::to_string(k + 1) + " is damaged: its byte " +
                             std::to_string(junk) + " is " + Hex(static_cast<unsigned char>(record[junk])));
    }
  }
  const bool predates_lotw = PredatesLotw(bytes);
  std::vector<DxccEntry> entries;
  entries.reserve(records);
  for (std::size_t k = 0; k < records; ++k) {
    entries.push_back(DecodeRecord(bytes.substr(k * kDxccRecordSize, kDxccRecordSize), predates_lotw));
  }
  return entries;
}

}  // namespace brilox
