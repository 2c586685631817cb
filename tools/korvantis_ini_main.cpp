// korvantis-ini: writes, reads and checks the enciphered configuration file.
#include <iostream>
#include <string>
#include <vector>

#include "tools/ini_command.h"

int main(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  const int status = kv::tools::RunIniCommand(args, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
