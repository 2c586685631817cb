// The embedded engine: an installation folder with one SQLite database file
// per schema (KVSYSTEM.sqlite and one per tenant schema, named in upper case).
#ifndef KORVANTIS_DB_SQLITE_SQLITE_ENGINE_H_
#define KORVANTIS_DB_SQLITE_SQLITE_ENGINE_H_

#include <memory>
#include <string_view>

#include "db/engine.h"

namespace kv::db {

// service: "sqlite:FOLDER", FOLDER relative to the working directory or
// absolute. -12154 when the folder holds no KVSYSTEM.sqlite; -1017 for an
// empty login or password, as a server refuses them.
int OpenSqliteEngine(const ConnectParams& params, std::unique_ptr<Engine>* engine);

}  // namespace kv::db

#endif  // KORVANTIS_DB_SQLITE_SQLITE_ENGINE_H_
