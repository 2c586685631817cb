// The download function codes, their record generators and record lengths.
#ifndef KORVANTIS_RUN_FUNCTION_CODE_H_
#define KORVANTIS_RUN_FUNCTION_CODE_H_

#include <cstdio>
#include <span>

#include "run/run_context.h"

namespace kv::run {

// A record generator: called once per tenant schema, just after the session
// was switched to it. It stages its lines under the download file path and
// prints its own messages on the console.
using RecordGenerator = void (*)(std::FILE* console, const char* download_file_path,
                                 const char* terminal_name, const char* schema_name);

struct FunctionCodeRow {
  const char* code;
  RecordGenerator generator;  // nullptr: the code selects nothing yet
  int record_length;          // 0: no padding
  bool is_id_master;          // the writer ends each line with a newline
};

// In the order in which DispatchFunction compares them.
std::span<const FunctionCodeRow> FunctionCodeTable();

// Runs the generator of the row whose code equals ctx->FunctionCode, once,
// for the schema that is current; any other code does nothing.
void DispatchFunction(RunContext* ctx, const char* schema_name);

}  // namespace kv::run

#endif  // KORVANTIS_RUN_FUNCTION_CODE_H_
