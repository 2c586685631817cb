#include <cstdio>

#include "run/command_line.h"

int main(int argc, char** argv) { return kv::run::RunCommandLine(argc, argv, stdout); }
