// The entry point's work: check the four arguments and take them into the
// RunContext, then run.
#ifndef KORVANTIS_RUN_COMMAND_LINE_H_
#define KORVANTIS_RUN_COMMAND_LINE_H_

#include <cstdio>

#include "run/run_context.h"

namespace kv::run {

// Fills ctx from argv (argv[0] is the program). Returns false, after printing
// why, when the run cannot start: fewer than four arguments (the usage text),
// or an argument longer than its field.
bool TakeArguments(int argc, const char* const* argv, std::FILE* console, RunContext* ctx);

// The whole program; its exit status is 0 on every path.
int RunCommandLine(int argc, const char* const* argv, std::FILE* console);

}  // namespace kv::run

#endif  // KORVANTIS_RUN_COMMAND_LINE_H_
