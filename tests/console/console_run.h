// Runs the built brilox-console as an operator would, with its standard
// output and error caught in files of a scratch folder.  The including test
// target defines BRILOX_CONSOLE_PATH.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/test_paths.h"

namespace brilox::testing {

inline std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline std::string Quoted(const std::string& text) { return "'" + text + "'"; }

struct ConsoleRun {
  int exit_code = -1;  // -1: ended by a signal
  std::string out;
  std::string err;
};

// Runs the console with `arguments` (already quoted where needed).
inline ConsoleRun RunConsole(const ScratchFolder& scratch, const std::string& arguments) {
  const std::string out = scratch.File("stdout.txt");
  const std::string err = scratch.File("stderr.txt");
  const std::string command = Quoted(BRILOX_CONSOLE_PATH) + " " + arguments + " > " + Quoted(out) + " 2> " +
                              Quoted(err) + " < /dev/null";
  const int status = std::system(command.c_str());
  ConsoleRun run;
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadFileText(out);
  run.err = ReadFileText(err);
  return run;
}

}  // namespace brilox::testing
