// The commands of the reportdata tool. Each adds its subcommand, with its
// options and the callback that runs it, to the application. A callback
// throws InputError for bad input; the parser's own errors are bad usage.
#ifndef CLI_COMMANDS_H_
#define CLI_COMMANDS_H_

#include <CLI/CLI.hpp>

namespace reportdata::cli {

void AddImportCommand(CLI::App& app);
void AddBuildCommand(CLI::App& app);
void AddShowCommand(CLI::App& app);
void AddTablesCommand(CLI::App& app);
void AddExportCommand(CLI::App& app);
void AddHtmlCommand(CLI::App& app);
void AddSampleCommand(CLI::App& app);
void AddDemoCommand(CLI::App& app);
void AddCloudCommand(CLI::App& app);
void AddCompareCommand(CLI::App& app);

}  // namespace reportdata::cli

#endif  // CLI_COMMANDS_H_
