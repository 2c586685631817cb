#include "run/command_line.h"

#include <cstring>

#include "run/messages.h"
#include "run/run_download.h"

namespace kv::run {
namespace {

struct ArgumentField {
  int number;
  int capacity;
};

constexpr ArgumentField kFields[] = {
    {1, kFunctionCodeCapacity},
    {2, kTerminalNameCapacity},
    {3, kDownloadFilePathCapacity},
};

}  // namespace

bool TakeArguments(int argc, const char* const* argv, std::FILE* console, RunContext* ctx) {
  int given = argc > 0 ? argc - 1 : 0;
  if (given < 4) {
    std::fprintf(console, kMsgTooFewArguments, given);
    std::fputs(kMsgUsage, console);
    return false;
  }
  for (const ArgumentField& f : kFields) {
    std::size_t length = std::strlen(argv[f.number]);
    if (length > static_cast<std::size_t>(f.capacity)) {
      std::fprintf(console, kMsgArgumentTooLong, f.number, static_cast<int>(length), f.capacity);
      return false;
    }
  }
  std::strcpy(ctx->FunctionCode, argv[1]);
  std::strcpy(ctx->TerminalName, argv[2]);
  std::strcpy(ctx->DownloadFilePath, argv[3]);
  ctx->NewFile = argv[4][0] == '1';
  ctx->RecordLength = 0;
  ctx->IsIdMaster = false;
  ctx->Console = console;
  return true;
}

int RunCommandLine(int argc, const char* const* argv, std::FILE* console) {
  RunContext ctx;
  if (TakeArguments(argc, argv, console, &ctx)) RunDownload(&ctx);
  std::fflush(console);
  return 0;
}

}  // namespace kv::run
