#include "awards/database_backup.h"

#include "awards/dxcc_store.h"

namespace brilox {
namespace {

// The IOTA database file (its format belongs to the IOTA table); copied as it is.
constexpr char kIotaDatabaseFileName[] = "IOTA.DAT";

Status CopyInto(FileSystem& fs, const std::string& data_folder, const std::string& destination_folder,
                const std::string& name) {
  Result<std::string> content = fs.ReadFile(JoinPath(data_folder, name));
  if (!content.ok()) return Status::Io("unable to read " + name + " (" + content.status().ToString() + ")");
  Status written = WriteFileAtomic(fs, JoinPath(destination_folder, name), *content);
  if (!written.ok()) return Status::Io("unable to write " + name + " (" + written.ToString() + ")");
  return Status::Ok();
}

}  // namespace

Status BackupDatabases(FileSystem& fs, const std::string& data_folder, const std::string& destination_folder,
                       MessageBox& box, const LanguageTextTable& texts) {
  for (const char* name : {kDxccFileName, kIotaDatabaseFileName}) {
    Status copied = CopyInto(fs, data_folder, destination_folder, name);
    if (!copied.ok()) {
      box.Show(MessageKind::kError, texts.Get(kTextErrorCaption),
               texts.Get(kTextBackupFailed) + "\n" + copied.context(), MessageButtons::kOk);
      return copied;
    }
  }
  box.Show(MessageKind::kInformation, texts.Get(kTextInformationCaption), texts.Get(kTextDone), MessageButtons::kOk);
  return Status::Ok();
}

}  // namespace brilox
