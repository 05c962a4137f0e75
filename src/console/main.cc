// brilox-console: feeds cluster bytes from a file or standard input through
// the spot pipeline and prints what the windows would show.
#include <cstdio>
#include <cstring>
#include <string>

namespace {

void PrintHelp() {
  std::puts(
      "usage: brilox-console [--data-dir DIR] [--sample] [FILE]\n"
      "Reads DX cluster traffic from FILE (or standard input) and prints the\n"
      "rows that BRILOX's windows receive.");
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      PrintHelp();
      return 0;
    }
  }
  std::puts("brilox-console: the spot pipeline is not built yet; nothing to replay.");
  return 0;
}
