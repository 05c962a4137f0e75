// A port that cannot be resolved must fail at once, so that the connect
// command can tell the operator instead of waiting for an event.
#include "platform/tcp_port.h"

#include <gtest/gtest.h>

namespace brilox {
namespace {

struct PortCase {
  const char* name;
  const char* text;
  int expected;  // 0 = must fail
};
void PrintTo(const PortCase& c, std::ostream* os) { *os << c.name; }

class ResolveTcpPortTest : public ::testing::TestWithParam<PortCase> {};

TEST_P(ResolveTcpPortTest, Resolves) {
  const PortCase& c = GetParam();
  Result<std::uint16_t> port = ResolveTcpPort(c.text);
  if (c.expected == 0) {
    EXPECT_FALSE(port.ok()) << c.text;
  } else {
    ASSERT_TRUE(port.ok()) << c.text << ": " << port.status().ToString();
    EXPECT_EQ(*port, c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ports, ResolveTcpPortTest,
    ::testing::Values(PortCase{"ClusterPort", "7300", 7300}, PortCase{"Highest", "65535", 65535},
                      PortCase{"TelnetService", "telnet", 23}, PortCase{"Zero", "0", 0},
                      PortCase{"TooHigh", "65536", 0}, PortCase{"ManyDigits", "0000000000023", 0},
                      PortCase{"Empty", "", 0}, PortCase{"UnknownService", "nosuchservice", 0},
                      PortCase{"TrailingBlank", "7300 ", 0}, PortCase{"Negative", "-1", 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brilox
