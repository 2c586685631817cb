// The command line of korvantis-install.
#ifndef KORVANTIS_TOOLS_INSTALL_ARGUMENTS_H_
#define KORVANTIS_TOOLS_INSTALL_ARGUMENTS_H_

#include <string>
#include <vector>

#include "tools/installation_builder.h"

namespace kv::tools {

struct InstallCommand {
  InstallationOptions options;
  bool help = false;  // --help or -h: print the usage text, build nothing
};

// args without the program name. Options come in any order, as "--name
// value" or "--name=value"; --tenant and --data may repeat. Needs ROOT,
// --service, --login, --password and one --tenant at least (unless help is
// asked for). Leaves options.schema_dir empty unless --schema-dir is given.
InstallStatus ParseInstallArguments(const std::vector<std::string>& args, InstallCommand* command,
                                    std::string* error);

std::string InstallUsage();

// The first folder "schema" holding sqlite/system.sql, looking in start and
// then in each folder above it; empty when there is none. The program looks
// from its own folder, so that a build folder inside the source tree finds
// the tree's schema/.
std::string FindSchemaDir(const std::string& start);

}  // namespace kv::tools

#endif  // KORVANTIS_TOOLS_INSTALL_ARGUMENTS_H_
