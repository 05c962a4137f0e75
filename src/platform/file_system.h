// File and folder operations behind one interface, in the spirit of an
// environment object: the real POSIX layer, an in-memory fake for tests and a
// forwarding wrapper that fails a chosen operation, so that crash safety can
// be tested step by step.
//
// Paths are byte strings with "/" separators.  Every call reports failure as
// a Status and never throws.  An instance may be used from one thread at a
// time; the POSIX layer itself holds no state and may be shared.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace brilox {

// A file kept open for appending, so that a writer of many small pieces does
// not open and close it for each.  Write hands the bytes to the system at
// once (a crash of the program loses none of them); Flush waits until they
// are on the device.  Closing happens when the stream is destroyed.
class AppendStream {
 public:
  virtual ~AppendStream() = default;
  virtual Status Write(std::string_view data) = 0;
  virtual Status Flush() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual Result<std::string> ReadFile(const std::string& path) = 0;
  // Reads up to `length` bytes at `offset`; fewer at the end of the file.
  virtual Result<std::string> ReadAt(const std::string& path, std::uint64_t offset, std::size_t length) = 0;
  // Creates or truncates, writes, flushes to the device.
  virtual Status WriteFile(const std::string& path, std::string_view data) = 0;
  // Creates when missing; appends and flushes.
  virtual Status AppendFile(const std::string& path, std::string_view data) = 0;
  // As AppendFile, without waiting for the device: the data reaches it with
  // the system's own write-back, so a power cut may lose the last appends but
  // never earlier data.  For logs that append a record per received line.
  virtual Status AppendFileUnflushed(const std::string& path, std::string_view data) {
    return AppendFile(path, data);
  }
  // Opens `path` for appending, creating it when missing, and keeps it open.
  // The default writes through AppendFileUnflushed and flushes through
  // AppendFile, for layers that keep no handles.
  virtual Result<std::unique_ptr<AppendStream>> OpenAppendStream(const std::string& path);
  // Replaces `to` when it exists.
  virtual Status Rename(const std::string& from, const std::string& to) = 0;
  virtual Status Remove(const std::string& path) = 0;
  virtual bool Exists(const std::string& path) = 0;
  virtual bool IsDirectory(const std::string& path) = 0;
  virtual Status CreateDirectories(const std::string& path) = 0;
  virtual Result<std::uint64_t> FileSize(const std::string& path) = 0;
  // Names (not paths) of the entries of a folder, sorted.
  virtual Result<std::vector<std::string>> ListDirectory(const std::string& path) = 0;
  // Restricts a file to its owner (mode 0600) where the platform can.
  virtual Status RestrictToOwner(const std::string& path) = 0;
  // As WriteFile, and the file is readable by its owner only before the first
  // byte is written, so that a secret is never visible to others.  The
  // default writes, then restricts; the POSIX layer creates it with mode 0600.
  virtual Status WriteOwnerOnlyFile(const std::string& path, std::string_view data);
};

// The real file system.
FileSystem& PosixFileSystem();

// Joins two path pieces with one "/".
std::string JoinPath(std::string_view folder, std::string_view name);

// Writes `data` to `path` so that a crash at any point leaves either the old
// or the new content: the data goes to `path` + ".tmp" first and is flushed,
// then renamed over `path`.
Status WriteFileAtomic(FileSystem& fs, const std::string& path, std::string_view data);

// As WriteFileAtomic for a file that holds secrets: the temporary file is
// written with WriteOwnerOnlyFile, so `path` is owner-only (mode 0600) from
// the moment it appears.
Status WriteOwnerOnlyFileAtomic(FileSystem& fs, const std::string& path, std::string_view data);

// As WriteFileAtomic, and the previous content of `path`, when there was one,
// becomes `backup_path` (which it replaces).  Steps: write the temporary file,
// flush; rename `path` to `backup_path`; rename the temporary file to `path`.
// Between the last two renames `path` is briefly missing while `backup_path`
// holds the complete old file; a reader that finds `path` missing and the
// temporary file complete may finish the rotation (RecoverAtomicReplace).
Status ReplaceWithBackup(FileSystem& fs, const std::string& path, const std::string& backup_path,
                         std::string_view data);

// Finishes a rotation that a crash interrupted: when `path` is missing and
// `path` + ".tmp" exists, the temporary file is complete (it was flushed
// before any rename) and becomes `path`.  A leftover temporary file beside an
// existing `path` is removed.
void RecoverAtomicReplace(FileSystem& fs, const std::string& path);

}  // namespace brilox
