#include "db/sqlhlp.h"

#include <cstring>
#include <string>

#include "db/sql_status.h"

namespace kv::db {
namespace {

std::unique_ptr<SqlSession> g_session;
EngineWrapper g_engine_wrapper;

// Builds prefix + schema in a field of the given width; false when it does
// not fit, so that a cut schema name never reaches the database.
bool BuildSchemaStatement(const char* schema, char* field, std::size_t width) {
  std::size_t need = std::strlen(kSchemaStatementPrefix) + std::strlen(schema);
  if (need + 1 > width) return false;
  std::strcpy(field, kSchemaStatementPrefix);
  std::strcat(field, schema);
  return true;
}

int RunSchemaStatement(const char* schema, std::size_t width) {
  if (!g_session) return kSqlNotConnected;
  char statement[kSchemaStatementWidth] = {};
  if (!BuildSchemaStatement(schema, statement, width)) return kSqlNoSchema;
  return g_session->PrepareExecute(statement);
}

}  // namespace

int ConnectDatabase(const char* login, const char* password, const char* service,
                    const char* schema) {
  g_session.reset();
  std::size_t connect_length = std::strlen(login) + 1 + std::strlen(password) + 1 + std::strlen(service);
  if (connect_length + 1 > static_cast<std::size_t>(kConnectTextWidth)) return kSqlNoService;
  ConnectParams params{login, password, service};
  std::unique_ptr<Engine> engine;
  int rc = OpenEngine(params, &engine);
  if (rc != kSqlOk) return rc;
  if (g_engine_wrapper) engine = g_engine_wrapper(std::move(engine));
  g_session = std::make_unique<SqlSession>(std::move(engine));
  return RunSchemaStatement(schema, kConnectSchemaStatementWidth);
}

int SetCurrentSchema(const char* schema) { return RunSchemaStatement(schema, kSchemaStatementWidth); }

char* UpperCase(char* text) {
  for (std::size_t i = std::strlen(text); i > 0; --i) {
    char& c = text[i - 1];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

void DisconnectDatabase() { g_session.reset(); }

SqlSession* CurrentSession() { return g_session.get(); }

void SetEngineWrapperForTesting(EngineWrapper wrapper) { g_engine_wrapper = std::move(wrapper); }

}  // namespace kv::db
