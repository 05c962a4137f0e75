#include "platform/result.h"

namespace brilox {

std::string Status::ToString() const {
  const char* name = "ok";
  switch (m_kind) {
    case ErrorKind::kOk: return "ok";
    case ErrorKind::kNotFound: name = "not found"; break;
    case ErrorKind::kCorrupt: name = "corrupt"; break;
    case ErrorKind::kIo: name = "I/O error"; break;
    case ErrorKind::kInvalidArgument: name = "invalid argument"; break;
    case ErrorKind::kFull: name = "full"; break;
  }
  return m_context.empty() ? std::string(name) : std::string(name) + ": " + m_context;
}

}  // namespace brilox
