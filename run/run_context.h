// The values of one run: the arguments, the credentials, and what the
// dispatched generators leave for the download file writer.
#ifndef KORVANTIS_RUN_RUN_CONTEXT_H_
#define KORVANTIS_RUN_RUN_CONTEXT_H_

#include <cstdio>

namespace kv::run {

// Capacities in characters; each field holds one more byte, the terminator.
inline constexpr int kFunctionCodeCapacity = 19;
inline constexpr int kTerminalNameCapacity = 10;
inline constexpr int kDownloadFilePathCapacity = 100;
inline constexpr int kCredentialCapacity = 50;
inline constexpr int kSchemaCapacity = 20;

struct RunContext {
  char FunctionCode[kFunctionCodeCapacity + 1] = {};
  char TerminalName[kTerminalNameCapacity + 1] = {};
  char DownloadFilePath[kDownloadFilePathCapacity + 1] = {};
  bool NewFile = false;
  char Login[kCredentialCapacity + 1] = {};
  char Pass[kCredentialCapacity + 1] = {};
  char Net8[kCredentialCapacity + 1] = {};
  char Schema[kSchemaCapacity + 1] = {};
  int RecordLength = 0;
  bool IsIdMaster = false;
  std::FILE* Console = stdout;  // where every message of the run goes
};

}  // namespace kv::run

#endif  // KORVANTIS_RUN_RUN_CONTEXT_H_
