// Splits an Oracle statement text into tokens for the dialect translator.
// Each token keeps the whitespace that precedes it, so that a translation
// can reproduce the text exactly where it changes nothing.
#ifndef KORVANTIS_DB_SQL_TOKENIZER_H_
#define KORVANTIS_DB_SQL_TOKENIZER_H_

#include <string_view>
#include <vector>

namespace kv::db {

enum class SqlTokenKind {
  kIdent,        // letters, digits, '_', '$', '#'; a letter or '_' first
  kNumber,       // digits, optionally '.' and more digits
  kString,       // 'text' with '' for a quote; text holds the quotes
  kPlaceholder,  // ':' and an identifier; text holds the ':'
  kOperator,     // = <> != ^= < <= > >= + - * / || .
  kLParen,
  kRParen,
  kComma,
};

struct SqlToken {
  SqlTokenKind kind;
  std::string_view text;   // the token as written, a view into the statement
  std::string_view space;  // the whitespace right before it
};

// Returns 0, or -900 for an unterminated string literal, a comment, a double
// quote or any other character that the tool's statements never contain.
// The views point into `text`, which must outlive them.
int TokenizeSql(std::string_view text, std::vector<SqlToken>* tokens);

// ASCII case-insensitive comparison of a token with a lower-case word.
bool TokenIs(const SqlToken& token, std::string_view lower_word);

}  // namespace kv::db

#endif  // KORVANTIS_DB_SQL_TOKENIZER_H_
