// The connect and schema statements of the session (statement module SQLHlp).
// The module owns the tool's one database session.
#ifndef KORVANTIS_DB_SQLHLP_H_
#define KORVANTIS_DB_SQLHLP_H_

#include <functional>
#include <memory>

#include "db/engine.h"
#include "db/sql_runtime.h"

namespace kv::db {

inline constexpr char kSchemaStatementPrefix[] = "ALTER SESSION SET CURRENT_SCHEMA=";
inline constexpr int kConnectTextWidth = 101;
inline constexpr int kConnectSchemaStatementWidth = 101;
inline constexpr int kSchemaStatementWidth = 201;

// Connects with login "/" password "@" service (at most 100 characters, else
// -12154) and makes the schema current. Returns the connect's code if it
// failed, else that of the schema statement.
int ConnectDatabase(const char* login, const char* password, const char* service,
                    const char* schema);

// Makes the schema current; on failure the session stays where it was.
int SetCurrentSchema(const char* schema);

// ASCII letters to upper case, in place; other bytes stay. Returns the text.
char* UpperCase(char* text);

// Ends the session. The run never calls it (its session ends with the
// process); tests do, before they fork runs of their own.
void DisconnectDatabase();

// The session of the run, or nullptr before a successful connect.
SqlSession* CurrentSession();

// Lets a test wrap the engine that the next connect opens (fault injection
// around a real engine); an empty function restores the plain engine.
using EngineWrapper = std::function<std::unique_ptr<Engine>(std::unique_ptr<Engine>)>;
void SetEngineWrapperForTesting(EngineWrapper wrapper);

}  // namespace kv::db

#endif  // KORVANTIS_DB_SQLHLP_H_
