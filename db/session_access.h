// What every statement module does first: find the session of the run.
#ifndef KORVANTIS_DB_SESSION_ACCESS_H_
#define KORVANTIS_DB_SESSION_ACCESS_H_

#include "db/sqlhlp.h"

// Returns -3114 from the calling function when there is no session.
#define KV_REQUIRE_SESSION(s)                               \
  ::kv::db::SqlSession* s = ::kv::db::CurrentSession();     \
  if (s == nullptr) return ::kv::db::kSqlNotConnected

#endif  // KORVANTIS_DB_SESSION_ACCESS_H_
