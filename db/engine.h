// The interface between the SQL runtime and one database engine. An engine
// receives the tool's statement texts as they stand (Oracle dialect, :bN
// placeholders, the into clause of a single-row select) and runs them on its
// database; it maps every outcome to the status codes of sql_status.h.
#ifndef KORVANTIS_DB_ENGINE_H_
#define KORVANTIS_DB_ENGINE_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kv::db {

// One column value as the tool sees it: Windows-1252 text, numbers in decimal
// notation, dates as 'YYYY-MM-DD HH:MM:SS'; nullopt for NULL.
using SqlValue = std::optional<std::string>;
using SqlRow = std::vector<SqlValue>;

// One input value. Texts are Windows-1252; an empty text never reaches an
// engine (the runtime binds it as NULL, as Oracle stores it).
struct BindValue {
  enum class Kind { kNull, kText, kInt, kDouble };
  Kind kind = Kind::kNull;
  std::string text;
  std::int64_t i = 0;
  double d = 0;
};

struct ConnectParams {
  std::string login;
  std::string password;
  std::string service;  // the NET8 value: picks the engine
};

class Engine {
 public:
  virtual ~Engine() = default;

  // Runs one statement. The inputs bind the placeholders in the order of their
  // first appearance outside the into clause. For a SELECT, rows receives at
  // most max_rows rows (all when max_rows < 0) and the result is 0 even when
  // there is none; the caller decides what an empty result means. A DELETE or
  // UPDATE that touches no row gives 1403. "ALTER SESSION SET
  // CURRENT_SCHEMA=X" switches the current schema (-1435 when X does not exist
  // or is not a plain identifier; the session then stays where it was).
  virtual int Run(std::string_view text, std::span<const BindValue> inputs,
                  std::vector<SqlRow>* rows, int max_rows) = 0;

  // Ends the open transaction, if any, making its work permanent.
  virtual int Commit() = 0;

  // Makes SYSDATE this fixed local date and time ('YYYY-MM-DD HH:MM:SS');
  // an empty text returns to the database clock. For tests.
  virtual void PinSysdate(std::string_view timestamp) = 0;

  // The engine's own text for the last failure, for diagnostics.
  virtual const std::string& LastErrorText() const = 0;
};

// Picks the engine by the service name: "sqlite:FOLDER" or a libpq URI
// ("postgresql://..." or "postgres://..."); anything else gives -12154.
int OpenEngine(const ConnectParams& params, std::unique_ptr<Engine>* engine);

}  // namespace kv::db

#endif  // KORVANTIS_DB_ENGINE_H_
