// The server engine: PostgreSQL through libpq, one PostgreSQL schema per
// schema of the installation (kvsystem and one per tenant, in lower case).
#ifndef KORVANTIS_DB_POSTGRES_PG_ENGINE_H_
#define KORVANTIS_DB_POSTGRES_PG_ENGINE_H_

#include <memory>

#include "db/engine.h"

namespace kv::db {

// service: any libpq URI ("postgresql://..." or "postgres://..."); login and
// password authenticate. -1017 when the server refuses them, -12154 when
// none answers within a few seconds.
int OpenPostgresEngine(const ConnectParams& params, std::unique_ptr<Engine>* engine);

}  // namespace kv::db

#endif  // KORVANTIS_DB_POSTGRES_PG_ENGINE_H_
