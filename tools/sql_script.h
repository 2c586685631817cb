// Installation scripts (the schema DDL and the data files) as lists of
// statements, split the same way for every engine.
#ifndef KORVANTIS_TOOLS_SQL_SCRIPT_H_
#define KORVANTIS_TOOLS_SQL_SCRIPT_H_

#include <string>
#include <string_view>
#include <vector>

namespace kv::tools {

struct ScriptStatement {
  std::string text;  // without comments, the closing ';' and outer blanks
  int line = 0;      // line of the script on which the statement begins (from 1)
};

// Splits at every ';' outside string literals ('...' with '' for a quote),
// quoted identifiers ("..."), line comments (-- to the end of the line) and
// block comments (/* ... */). Comments are dropped: a line comment leaves its
// line end, a block comment one blank, so that the tokens around them stay
// apart. Statements that hold nothing else are skipped. An unterminated
// literal runs to the end of the script and the engine then refuses it.
std::vector<ScriptStatement> SplitSqlScript(std::string_view script);

// The names that stand before a '.' in the statement, outside literals, in
// upper case and each once, in the order of their first appearance: the
// schemas (and table aliases) that the statement qualifies names with.
std::vector<std::string> QualifierNames(std::string_view statement);

}  // namespace kv::tools

#endif  // KORVANTIS_TOOLS_SQL_SCRIPT_H_
