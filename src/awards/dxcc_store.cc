#include "awards/dxcc_store.h"

#include "awards/dxcc_file.h"

namespace brilox {
namespace {

// Removes the rows left without a prefix; sorted, they are at the top.
void DropUnfilledRows(DxccTable& table) {
  while (table.count() > 0 && table.row(1).HasBlankPrefix()) table.RemoveRow(1);
}

}  // namespace

Status OpenDxccFile(FileSystem& fs, const std::string& data_folder) {
  const std::string dat = JoinPath(data_folder, kDxccFileName);
  RecoverAtomicReplace(fs, dat);
  if (fs.Exists(dat) && !fs.IsDirectory(dat)) return Status::Ok();
  const std::string raw = JoinPath(data_folder, kDxccRawFileName);
  if (!fs.Exists(raw) || fs.IsDirectory(raw)) {
    return Status::NotFound("Missing files: DXCC.DAT or DXCC.RAW, can't start BRILOX");
  }
  if (!fs.Rename(raw, dat).ok()) return Status::Io("Unable to rename DXCC.RAW as DXCC.DAT, can't start BRILOX");
  return Status::Ok();
}

Status LoadDxccTable(FileSystem& fs, const std::string& data_folder, DxccTable& table) {
  Result<std::string> bytes = fs.ReadFile(JoinPath(data_folder, kDxccFileName));
  if (!bytes.ok()) {
    return Status::Io(std::string("Unable to read ") + kDxccFileName + ": " + bytes.status().ToString());
  }
  Result<std::vector<DxccEntry>> entries = DecodeDxccFile(*bytes, kDxccFileName);
  if (!entries.ok()) return entries.status();
  return table.Assign(std::move(entries).value());
}

Status SauveDXCC(FileSystem& fs, const std::string& data_folder, DxccTable& table) {
  if (table.sort_pending()) table.TriABul();
  DropUnfilledRows(table);
  for (int row = 1; row <= table.count(); ++row) {
    DxccEntry& entry = table.row(row);
    entry.prefix = PadText(entry.prefix, kDxccPrefixLength);
    entry.name = PadText(entry.name, kDxccNameLength);
  }
  const Status written = ReplaceWithBackup(fs, JoinPath(data_folder, kDxccFileName),
                                           JoinPath(data_folder, kDxccBackupFileName), EncodeDxccFile(table));
  if (!written.ok()) {
    return Status::Io(std::string("Unable to save ") + kDxccFileName + ": " + written.ToString());
  }
  table.set_sort_pending(false);
  table.ClearChangeMarks();
  return Status::Ok();
}

}  // namespace brilox
