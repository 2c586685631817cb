// The SQL runtime that every statement module goes through: one status code
// per statement, host variables bound by position, single-row selects,
// cursors, savepoints and commits. It sits on one engine (engine.h) and
// applies the host-variable rules that are the same on every engine.
#ifndef KORVANTIS_DB_SQL_RUNTIME_H_
#define KORVANTIS_DB_SQL_RUNTIME_H_

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "db/engine.h"
#include "db/host_var.h"
#include "db/sql_status.h"

namespace kv::db {

// A cursor's rows are read at OPEN, so that the result is the database as it
// stood then, whatever the run writes while the cursor is open (the badge
// cursor stays open while lines are staged and committed).
class SqlCursor {
 public:
  bool is_open() const { return open_; }

 private:
  friend class SqlSession;
  std::vector<SqlRow> rows_;
  std::size_t next_ = 0;
  bool open_ = false;
};

class SqlSession {
 public:
  explicit SqlSession(std::unique_ptr<Engine> engine);

  // INSERT, UPDATE, DELETE, SAVEPOINT, ROLLBACK TO, and the schema switch.
  [[nodiscard]] int Execute(std::string_view text, std::span<const HostVar> inputs);
  [[nodiscard]] int Execute(std::string_view text, std::initializer_list<HostVar> inputs = {}) {
    return Execute(text, std::span<const HostVar>(inputs.begin(), inputs.size()));
  }

  // Single-row SELECT ... INTO: exactly one row fills the outputs; none gives
  // 1403 and more than one -2112, both leaving the outputs untouched.
  [[nodiscard]] int SelectInto(std::string_view text, std::span<const HostVar> inputs,
                               std::span<const HostVar> outputs);
  [[nodiscard]] int SelectInto(std::string_view text, std::initializer_list<HostVar> inputs,
                               std::initializer_list<HostVar> outputs) {
    return SelectInto(text, std::span<const HostVar>(inputs.begin(), inputs.size()),
                      std::span<const HostVar>(outputs.begin(), outputs.size()));
  }

  [[nodiscard]] int Open(SqlCursor* cursor, std::string_view text, std::span<const HostVar> inputs);
  [[nodiscard]] int Open(SqlCursor* cursor, std::string_view text,
                         std::initializer_list<HostVar> inputs = {}) {
    return Open(cursor, text, std::span<const HostVar>(inputs.begin(), inputs.size()));
  }
  [[nodiscard]] int Fetch(SqlCursor* cursor, std::span<const HostVar> outputs);
  [[nodiscard]] int Fetch(SqlCursor* cursor, std::initializer_list<HostVar> outputs) {
    return Fetch(cursor, std::span<const HostVar>(outputs.begin(), outputs.size()));
  }
  [[nodiscard]] int Close(SqlCursor* cursor);

  [[nodiscard]] int Commit();

  // PREPARE of a statement held in a text, then EXECUTE without variables.
  [[nodiscard]] int PrepareExecute(std::string_view text);

  Engine& engine() { return *engine_; }
  const std::string& LastErrorText() const;

 private:
  std::unique_ptr<Engine> engine_;
  std::string misuse_;  // the runtime's own last error, when the engine saw none
};

// The host-variable rules, shared by every engine: an input text is read up
// to its terminator (never past its width) and an empty one binds as NULL; an
// output text receives at most width - 1 characters and a terminator; a NULL
// column leaves the output as it was. Returns 0 or -1455 (a number that does
// not fit a 32-bit integer; the output is then untouched).
BindValue ToBindValue(const HostVar& var);
int AssignOutput(const SqlValue& value, const HostVar& var);

}  // namespace kv::db

#endif  // KORVANTIS_DB_SQL_RUNTIME_H_
