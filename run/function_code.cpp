#include "run/function_code.h"

#include <cstring>

namespace kv::run {
namespace {

// A generator joins its row when it is built; until then its code selects
// nothing, like an unknown code.
constexpr FunctionCodeRow kFunctionCodes[] = {
    {"QVDNL17P", nullptr, 85, false},
    {"QVDNL18P", nullptr, 173, false},
    {"QVDNL31P", nullptr, 48, false},
    {"QVDNL60P", nullptr, 45, false},
    {"IDSTAMM", nullptr, 0, true},
};

}  // namespace

std::span<const FunctionCodeRow> FunctionCodeTable() { return kFunctionCodes; }

void DispatchFunction(RunContext* ctx, const char* schema_name) {
  for (const FunctionCodeRow& row : kFunctionCodes) {
    if (std::strcmp(ctx->FunctionCode, row.code) != 0) continue;
    if (row.generator == nullptr) return;
    if (row.is_id_master) ctx->IsIdMaster = true;
    row.generator(ctx->Console, ctx->DownloadFilePath, ctx->TerminalName, schema_name);
    if (!row.is_id_master) ctx->RecordLength = row.record_length;
    return;
  }
}

}  // namespace kv::run
