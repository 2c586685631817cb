// The order of the whole run after the arguments are taken: credentials,
// connect, staging rows cleared, tenants visited, download file written.
#ifndef KORVANTIS_RUN_RUN_DOWNLOAD_H_
#define KORVANTIS_RUN_RUN_DOWNLOAD_H_

#include "run/run_context.h"

namespace kv::run {

void RunDownload(RunContext* ctx);

// Reads the four credentials into ctx. Returns false, after printing why,
// when a value does not fit its field. Of the SCHEMA value the last
// character is dropped; an empty value stays empty.
bool ReadCredentials(RunContext* ctx, const char* config_path);

}  // namespace kv::run

#endif  // KORVANTIS_RUN_RUN_DOWNLOAD_H_
