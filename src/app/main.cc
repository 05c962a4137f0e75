// brilox: the windowed program.  One copy runs at a time; the start-up
// sequence, the links and the spot pipeline are wired in ProgramWiring.
#include "app/brilox_application.h"
#include "app/program_entry.h"

int main(int argc, char** argv) {
  brilox::BriloxApplication app(argc, argv);
  return brilox::RunProgram(brilox::BuildTree{BRILOX_BUILD_DIR, BRILOX_SOURCE_DATA_DIR});
}
