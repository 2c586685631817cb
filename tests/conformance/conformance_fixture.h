// Shared ground of the engine conformance suite: a fresh installation per
// test on the engine under test, the session connected through SQLHlp with
// SYSDATE pinned, and readers that run a statement text through the SQL
// runtime and hand back its rows as texts for comparison with expectations
// written by hand.
#ifndef KORVANTIS_TESTS_CONFORMANCE_CONFORMANCE_FIXTURE_H_
#define KORVANTIS_TESTS_CONFORMANCE_CONFORMANCE_FIXTURE_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/host_var.h"
#include "db/sql_runtime.h"
#include "tests/test_installation.h"

namespace kv::test {

// Every test runs on Monday 2026-06-15 at 10:30: today is 2026-06-15 00:00:00,
// yesterday 2026-06-14 00:00:00, the year 2026.
inline constexpr char kPinnedSysdate[] = "2026-06-15 10:30:00";

// What an output variable holds before a statement runs, so that an output
// that received no value (a NULL column, a failed statement) shows it.
inline constexpr char kUntouchedText[] = "~";
inline constexpr std::int32_t kUntouchedInt = -9999;
inline constexpr double kUntouchedDouble = -9999.0;

// One output host variable: its type and, for a text, its width (terminator
// included).
struct Out {
  db::HostType type;
  int width;
};
inline Out TextOut(int width) { return {db::HostType::kText, width}; }
inline Out IntOut() { return {db::HostType::kInt32, 4}; }
inline Out DoubleOut() { return {db::HostType::kDouble, 8}; }

// One row as the outputs held it after a statement: texts as received (bytes
// in Windows-1252), integers in decimal, doubles with two decimals; an output
// left alone shows its sentinel ("~", "-9999", "-9999.00").
using Row = std::vector<std::string>;

// The output variables of one statement, with storage that stays in place.
class Outputs {
 public:
  explicit Outputs(const std::vector<Out>& outs);
  Outputs(const Outputs&) = delete;
  Outputs& operator=(const Outputs&) = delete;

  void Reset();  // every variable to its sentinel
  const std::vector<db::HostVar>& vars() const { return vars_; }
  Row Render() const;

 private:
  struct Slot {
    Out out;
    std::vector<char> text;
    std::int32_t i = 0;
    double d = 0;
  };
  std::vector<Slot> slots_;
  std::vector<db::HostVar> vars_;
};

// The current session's text for its last failure, for failure messages.
std::string LastErrorText();

struct SelectResult {
  int code;
  Row row;  // the outputs after the statement, sentinels where untouched
};

// A single-row SELECT ... INTO on the current session.
SelectResult SelectOne(std::string_view sql, const std::vector<db::HostVar>& inputs,
                       const std::vector<Out>& outs);

struct CursorResult {
  int open_code;
  std::vector<Row> rows;  // one per fetch that returned 0
  int end_code;           // the first non-zero fetch code
  int close_code;
};

// Open with the inputs, fetch until a fetch returns non-zero (the outputs
// reset to their sentinels before each fetch), close.
CursorResult ReadCursor(std::string_view sql, const std::vector<db::HostVar>& inputs,
                        const std::vector<Out>& outs);

// For a statement that orders its rows only partly: each run of adjacent rows
// that agree in the key columns is sorted by whole row, so that comparing with
// an expectation checks the order the statement fixes and nothing more. No
// key columns: the statement fixes no order at all.
std::vector<Row> SortWithinTies(std::vector<Row> rows, const std::vector<std::size_t>& key_columns);

// Base of every conformance suite: parameterised by the engine, it builds the
// installation from the suite's data, connects with the suite's schema
// current and pins SYSDATE. Without a configured PostgreSQL test server the
// PostgreSQL instances are skipped, or fail when KORVANTIS_REQUIRE_PG is set.
class ConformanceTest : public ::testing::TestWithParam<EngineKind> {
 protected:
  void SetUp() override;

  // The suite's fixture: plain INSERT statements naming KvSystem.X and
  // MND0n.X.
  virtual std::string Data() const = 0;
  virtual std::vector<std::string> Tenants() const { return {"MND01"}; }
  virtual std::string StartSchema() const { return "MND01"; }

  db::SqlSession& session();
  // A second session on the same installation, for what another connection
  // sees; nullptr (with a test failure) when it cannot connect.
  std::unique_ptr<db::SqlSession> OpenOtherSession(const std::string& schema);

  TestInstallation installation_;
};

inline auto AllEngines() {
  return ::testing::Values(EngineKind::kSqlite, EngineKind::kPostgres);
}
inline std::string EngineParamName(const ::testing::TestParamInfo<EngineKind>& info) {
  return EngineName(info.param);
}

}  // namespace kv::test

#endif  // KORVANTIS_TESTS_CONFORMANCE_CONFORMANCE_FIXTURE_H_
