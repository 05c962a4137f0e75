#include "platform/locale.h"

#include <cstdlib>

namespace brilox {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

LocaleVariables LocaleVariablesFromEnvironment() {
  return {Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

}  // namespace brilox
