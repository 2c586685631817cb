#include "tools/sql_script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv::tools {
namespace {

struct Expected {
  const char* text;
  int line;
};

TEST(SqlScriptTest, SplitsOnSemicolonsOutsideLiteralsAndComments) {
  struct Case {
    const char* name;
    const char* script;
    std::vector<Expected> statements;
  };
  const Case kCases[] = {
      {"two statements", "A; B", {{"A", 1}, {"B", 1}}},
      {"semicolon in a literal", "INSERT 'x;y'; Z", {{"INSERT 'x;y'", 1}, {"Z", 1}}},
      {"doubled quote in a literal", "'it''s;' ;", {{"'it''s;'", 1}}},
      {"semicolon in a quoted name", "\"a;b\"; c", {{"\"a;b\"", 1}, {"c", 1}}},
      {"line comment", "-- c;\nA;\n\n B", {{"A", 2}, {"B", 4}}},
      {"line comment inside a statement", "A -- tail; here\n B;", {{"A \n B", 1}}},
      {"block comments", "/* x;\n y */ A; B /* ; */ C", {{"A", 2}, {"B   C", 2}}},
      {"comment marks inside a literal", "'--x' ; '/*'", {{"'--x'", 1}, {"'/*'", 1}}},
      {"only separators", ";;  ;\n", {}},
      {"empty script", "", {}},
      {"line end in a literal", "'a\nb'; C", {{"'a\nb'", 1}, {"C", 2}}},
      {"CRLF line ends", "A;\r\nB;\r\n", {{"A", 1}, {"B", 2}}},
      {"unterminated literal runs to the end", "A; 'open; x", {{"A", 1}, {"'open; x", 1}}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<ScriptStatement> got = SplitSqlScript(c.script);
    ASSERT_EQ(got.size(), c.statements.size());
    for (size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].text, c.statements[i].text) << "statement " << i;
      EXPECT_EQ(got[i].line, c.statements[i].line) << "statement " << i;
    }
  }
}

TEST(SqlScriptTest, QualifierNamesAreTheNamesBeforeADot) {
  struct Case {
    const char* statement;
    std::vector<std::string> names;
  };
  const Case kCases[] = {
      {"INSERT INTO KvSystem.Kvs301Asw (a, b) VALUES ('MND01.x', 1.5)", {"KVSYSTEM"}},
      {"insert into mnd01 . Kvs300Pnr select * from KvSystem.T, MND01.U", {"MND01", "KVSYSTEM"}},
      {"SELECT 12.5, x FROM t", {}},
      {"SELECT \"q.x\" FROM t", {}},
      {"SELECT 'it''s a.b' FROM s.t", {"S"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.statement);
    EXPECT_EQ(QualifierNames(c.statement), c.names);
  }
}

}  // namespace
}  // namespace kv::tools
