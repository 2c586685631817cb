#include "db/sql_tokenizer.h"

#include <cstddef>

#include "db/ascii.h"

namespace kv::db {
namespace {

constexpr int kInvalidSql = -900;

bool IsIdentChar(char c) {
  return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_' || c == '$' || c == '#';
}

// Length of the operator at the start of `rest`, 0 if there is none.
std::size_t OperatorLength(std::string_view rest) {
  static constexpr std::string_view kTwo[] = {"<>", "<=", ">=", "!=", "^=", "||"};
  for (std::string_view op : kTwo) {
    if (rest.substr(0, 2) == op) return 2;
  }
  switch (rest[0]) {
    case '=': case '<': case '>': case '+': case '-': case '*': case '/': case '.':
      return 1;
    default:
      return 0;
  }
}

}  // namespace

bool TokenIs(const SqlToken& token, std::string_view lower_word) {
  if (token.text.size() != lower_word.size()) return false;
  for (std::size_t i = 0; i < lower_word.size(); ++i) {
    if (AsciiLower(token.text[i]) != lower_word[i]) return false;
  }
  return true;
}

int TokenizeSql(std::string_view text, std::vector<SqlToken>* tokens) {
  tokens->clear();
  std::size_t pos = 0;
  const std::size_t n = text.size();
  while (true) {
    const std::size_t space_begin = pos;
    while (pos < n && IsAsciiSpace(text[pos])) ++pos;
    if (pos == n) return 0;
    const std::string_view space = text.substr(space_begin, pos - space_begin);
    const std::size_t begin = pos;
    const char c = text[pos];
    SqlTokenKind kind;
    if (IsAsciiLetter(c) || c == '_') {
      while (pos < n && IsIdentChar(text[pos])) ++pos;
      kind = SqlTokenKind::kIdent;
    } else if (IsAsciiDigit(c)) {
      while (pos < n && IsAsciiDigit(text[pos])) ++pos;
      if (pos + 1 < n && text[pos] == '.' && IsAsciiDigit(text[pos + 1])) {
        ++pos;
        while (pos < n && IsAsciiDigit(text[pos])) ++pos;
      }
      kind = SqlTokenKind::kNumber;
    } else if (c == '\'') {
      ++pos;
      while (true) {
        if (pos == n) return kInvalidSql;  // unterminated literal
        if (text[pos] == '\'') {
          if (pos + 1 < n && text[pos + 1] == '\'') {
            pos += 2;  // '' stands for one quote inside the literal
            continue;
          }
          ++pos;
          break;
        }
        ++pos;
      }
      kind = SqlTokenKind::kString;
    } else if (c == ':') {
      ++pos;
      if (pos == n || !(IsAsciiLetter(text[pos]) || text[pos] == '_')) return kInvalidSql;
      while (pos < n && IsIdentChar(text[pos])) ++pos;
      kind = SqlTokenKind::kPlaceholder;
    } else if (c == '(') {
      ++pos;
      kind = SqlTokenKind::kLParen;
    } else if (c == ')') {
      ++pos;
      kind = SqlTokenKind::kRParen;
    } else if (c == ',') {
      ++pos;
      kind = SqlTokenKind::kComma;
    } else {
      const std::string_view rest = text.substr(pos);
      // A comment could hide a quote from the literal scan; the tool's
      // statements carry none, so refuse rather than guess.
      if (rest.substr(0, 2) == "--" || rest.substr(0, 2) == "/*") return kInvalidSql;
      const std::size_t len = OperatorLength(rest);
      if (len == 0) return kInvalidSql;
      pos += len;
      kind = SqlTokenKind::kOperator;
    }
    tokens->push_back({kind, text.substr(begin, pos - begin), space});
  }
}

}  // namespace kv::db
