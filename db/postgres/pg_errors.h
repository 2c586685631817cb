// PostgreSQL's SQLSTATEs mapped to the runtime's status codes, in one place.
#ifndef KORVANTIS_DB_POSTGRES_PG_ERRORS_H_
#define KORVANTIS_DB_POSTGRES_PG_ERRORS_H_

namespace kv::db {

// sqlstate: the five characters of the error's SQLSTATE, or nullptr when the
// server sent none (a lost connection). Never returns 0 or 1403: an
// unmapped state becomes minus its value read as a base-36 number, which is
// above every mapped code's magnitude.
int MapPgError(const char* sqlstate);

// A refused connection: -1017 when the server refused the login, -12154
// when no server could be reached. message: PQerrorMessage.
int MapPgConnectError(const char* message);

}  // namespace kv::db

#endif  // KORVANTIS_DB_POSTGRES_PG_ERRORS_H_
