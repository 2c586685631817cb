// korvantis-install: builds an installation (folders, enciphered ini,
// databases) from the schema DDL and data files. See --help.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "tools/install_arguments.h"
#include "tools/installation_builder.h"

namespace {

// The program's own folder, from /proc when it is there, else from argv[0].
std::string ProgramDir(const char* argv0) {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) exe = std::filesystem::absolute(argv0, ec);
  return exe.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  kv::tools::InstallCommand command;
  std::string error;
  if (kv::tools::ParseInstallArguments(args, &command, &error) != kv::tools::InstallStatus::kOk) {
    std::fprintf(stderr, "korvantis-install: %s\n", error.c_str());
    return 1;
  }
  if (command.help) {
    std::fputs(kv::tools::InstallUsage().c_str(), stdout);
    return 0;
  }
  if (command.options.schema_dir.empty()) {
    command.options.schema_dir = kv::tools::FindSchemaDir(ProgramDir(argv[0]));
    if (command.options.schema_dir.empty()) {
      std::fprintf(stderr, "korvantis-install: no folder schema/ found near the program; use --schema-dir\n");
      return 1;
    }
  }
  if (kv::tools::BuildInstallation(command.options, &error) != kv::tools::InstallStatus::kOk) {
    std::fprintf(stderr, "korvantis-install: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
