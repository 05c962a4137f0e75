// Errors as values.  A Status says whether an operation worked and, when it
// did not, what kind of failure it was and where ("DXCC.DAT record 17").
// Result<T> carries a value or a Status.  Both are cheap to move.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace brilox {

enum class ErrorKind { kOk, kNotFound, kCorrupt, kIo, kInvalidArgument, kFull };

class [[nodiscard]] Status {
 public:
  Status() = default;
  static Status Ok() { return Status(); }
  static Status NotFound(std::string context) { return Status(ErrorKind::kNotFound, std::move(context)); }
  static Status Corrupt(std::string context) { return Status(ErrorKind::kCorrupt, std::move(context)); }
  static Status Io(std::string context) { return Status(ErrorKind::kIo, std::move(context)); }
  static Status InvalidArgument(std::string context) {
    return Status(ErrorKind::kInvalidArgument, std::move(context));
  }
  static Status Full(std::string context) { return Status(ErrorKind::kFull, std::move(context)); }

  bool ok() const { return m_kind == ErrorKind::kOk; }
  ErrorKind kind() const { return m_kind; }
  const std::string& context() const { return m_context; }
  bool IsNotFound() const { return m_kind == ErrorKind::kNotFound; }
  bool IsCorrupt() const { return m_kind == ErrorKind::kCorrupt; }
  bool IsIo() const { return m_kind == ErrorKind::kIo; }

  // "corrupt: DXCC.DAT record 17"
  std::string ToString() const;

 private:
  Status(ErrorKind kind, std::string context) : m_kind(kind), m_context(std::move(context)) {}
  ErrorKind m_kind = ErrorKind::kOk;
  std::string m_context;
};

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : m_value(std::move(value)) {}  // NOLINT: implicit by design
  Result(Status status) : m_status(std::move(status)) {}  // NOLINT: implicit by design

  bool ok() const { return m_value.has_value(); }
  const Status& status() const { return m_status; }
  T& value() & { return *m_value; }
  const T& value() const& { return *m_value; }
  T&& value() && { return std::move(*m_value); }
  T* operator->() { return &*m_value; }
  const T* operator->() const { return &*m_value; }
  T& operator*() { return *m_value; }
  const T& operator*() const { return *m_value; }

 private:
  std::optional<T> m_value;
  Status m_status;
};

}  // namespace brilox
