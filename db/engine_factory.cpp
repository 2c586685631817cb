#include <string_view>

#include "db/engine.h"
#include "db/sql_status.h"
#include "db/postgres/pg_engine.h"
#include "db/sqlite/sqlite_engine.h"

namespace kv::db {

int OpenEngine(const ConnectParams& params, std::unique_ptr<Engine>* engine) {
  std::string_view service = params.service;
  if (service.starts_with("sqlite:")) return OpenSqliteEngine(params, engine);
  if (service.starts_with("postgresql://") || service.starts_with("postgres://"))
    return OpenPostgresEngine(params, engine);
  return kSqlNoService;
}

}  // namespace kv::db
