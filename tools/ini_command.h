// The korvantis-ini command line: set, get, check, --help.
#ifndef KORVANTIS_TOOLS_INI_COMMAND_H_
#define KORVANTIS_TOOLS_INI_COMMAND_H_

#include <ostream>
#include <string>
#include <vector>

namespace kv::tools {

inline constexpr int kIniExitOk = 0;
inline constexpr int kIniExitWarned = 1;  // check warned, or set/get failed
inline constexpr int kIniExitUsage = 2;

// args without the program name. Returns the exit status.
int RunIniCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv::tools

#endif  // KORVANTIS_TOOLS_INI_COMMAND_H_
