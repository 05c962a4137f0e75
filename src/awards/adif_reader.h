// Reading ADIF log files (the ".adi" text form): fields written
// "<NAME:LENGTH[:TYPE]>VALUE", records ended by "<EOR>", an optional header
// ended by "<EOH>".  The reader takes the whole file as bytes and hands out
// one record at a time, so that an import can run in slices.
//
// It reads what logging programs really write: tags in any case, type
// indicators, values that hold line breaks (the length counts them), a UTF-8
// byte-order mark, free text before the first field, files without a header.
// It refuses, with a message naming the fault, a value whose length runs past
// the end of the file and a file that ends inside a record, so that an import
// never applies half a log.  Pure code: any thread.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace brilox {

// How much of a file the content check reads, as the program always has.
inline constexpr std::size_t kAdifCheckBytes = 32000;

struct AdifField {
  std::string name;   // upper case
  std::string value;  // as written, control characters turned into blanks
};

struct AdifRecord {
  std::vector<AdifField> fields;
  // The value of the first field called `name` (upper case), empty if none.
  std::string_view Get(std::string_view name) const;
};

// The head of a file (its first kAdifCheckBytes bytes, any case) scored for
// being a QSO log: one point for each of the tags BAND, CALL, MODE, QSO_DATE
// and TIME_ON, nothing at all without an "<EOR>".  Logs score 3 or more.
int AdifContentScore(std::string_view head);
inline bool LooksLikeAdifLog(std::string_view head) { return AdifContentScore(head) > 2; }

// Upper case of a single-byte text (ASCII letters only).
std::string AdifUpper(std::string_view text);

class AdifReader {
 public:
  // `bytes` must outlive the reader.
  explicit AdifReader(std::string_view bytes);

  // The next record into `record`; false at the end of the file or on a
  // fault, which status() then names.
  bool Next(AdifRecord& record);
  const Status& status() const { return m_status; }
  // Bytes read so far, for progress.
  std::size_t position() const { return m_position; }
  std::size_t size() const { return m_bytes.size(); }

 private:
  enum class Token { kField, kEndOfRecord, kEndOfHeader, kEnd, kFault };
  Token NextToken(AdifField& field);
  void SkipHeader();

  std::string_view m_bytes;
  std::size_t m_position = 0;
  Status m_status;
};

}  // namespace brilox
