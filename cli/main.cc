// reportdata: the command-line face of the report data module.
#include <CLI/CLI.hpp>
#include <cstdio>

#include "reportdata/reportdata.h"

int main(int argc, char** argv) {
  CLI::App app{"reportdata: report tables of a building-quantity takeoff project"};
  app.set_version_flag("--version", std::string("reportdata ") + reportdata::LibraryVersion());
  CLI11_PARSE(app, argc, argv);
  return 0;
}
