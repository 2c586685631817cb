#include "db/dialect.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "db/ascii.h"
#include "db/sql_tokenizer.h"

namespace kv::db {
namespace {

constexpr int kInvalidSql = -900;

bool StartsWithNoCase(std::string_view s, std::size_t pos, std::string_view lower_word) {
  if (s.size() - pos < lower_word.size()) return false;
  for (std::size_t i = 0; i < lower_word.size(); ++i) {
    if (AsciiLower(s[pos + i]) != lower_word[i]) return false;
  }
  return true;
}

// 'YYYY-MM-DD HH:MM:SS': the pinned SYSDATE goes into the text as a literal,
// so nothing but digits and separators may reach it.
bool IsCanonicalTimestamp(std::string_view s) {
  static constexpr std::string_view kShape = "dddd-dd-dd dd:dd:dd";
  if (s.size() != kShape.size()) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (kShape[i] == 'd' ? !IsAsciiDigit(s[i]) : s[i] != kShape[i]) return false;
  }
  return true;
}

bool IsOp(const SqlToken& t, std::string_view op) {
  return t.kind == SqlTokenKind::kOperator && t.text == op;
}

// Operators whose use on a date would need Oracle's date-to-text conversion
// or day arithmetic that the translation does not cover.
bool IsOtherDateOperator(const SqlToken& t) {
  return IsOp(t, "*") || IsOp(t, "/") || IsOp(t, "||");
}

// Words that end the table list of a FROM clause, or the table of an UPDATE.
bool EndsTableList(const SqlToken& t) {
  static constexpr std::string_view kWords[] = {"where", "order", "group",   "having",
                                                "union", "minus", "intersect", "connect",
                                                "start", "for",   "set"};
  if (t.kind != SqlTokenKind::kIdent) return false;
  for (std::string_view w : kWords) {
    if (TokenIs(t, w)) return true;
  }
  return false;
}

// Oracle date format model -> strftime format, both as SQL literals. Letters
// outside the known elements are refused, as Oracle refuses an unknown
// element; everything else is copied.
bool ConvertDateFormat(std::string_view oracle_literal, std::string* out) {
  std::string fmt;
  for (std::size_t i = 1; i + 1 < oracle_literal.size(); ++i) {
    fmt += oracle_literal[i];
    if (oracle_literal[i] == '\'') ++i;  // '' inside the literal
  }
  static constexpr std::pair<std::string_view, std::string_view> kElements[] = {
      {"yyyy", "%Y"}, {"hh24", "%H"}, {"mm", "%m"}, {"dd", "%d"}, {"mi", "%M"}, {"ss", "%S"}};
  std::string r = "'";
  std::size_t i = 0;
  while (i < fmt.size()) {
    bool matched = false;
    for (const auto& [element, conversion] : kElements) {
      if (StartsWithNoCase(fmt, i, element)) {
        r += conversion;
        i += element.size();
        matched = true;
        break;
      }
    }
    if (matched) continue;
    const char c = fmt[i++];
    if (IsAsciiLetter(c)) return false;
    if (c == '%') {
      r += "%%";
    } else if (c == '\'') {
      r += "''";
    } else {
      r += c;
    }
  }
  r += "'";
  *out = std::move(r);
  return true;
}

// Reads "ALTER SESSION SET CURRENT_SCHEMA=X" from the raw text, so that X
// comes back exactly as written, whatever it holds; the engine decides
// whether it is a schema it can switch to.
enum class AlterParse { kNotAlter, kAlter, kInvalid };

AlterParse ParseAlterSchema(std::string_view text, std::string* name) {
  std::size_t pos = 0;
  auto skip_space = [&] {
    while (pos < text.size() && IsAsciiSpace(text[pos])) ++pos;
  };
  auto word = [&](std::string_view lower_word) {
    skip_space();
    const std::size_t begin = pos;
    while (pos < text.size() && (IsAsciiLetter(text[pos]) || text[pos] == '_')) ++pos;
    return pos - begin == lower_word.size() && StartsWithNoCase(text, begin, lower_word);
  };
  if (!word("alter")) return AlterParse::kNotAlter;
  if (!word("session") || !word("set") || !word("current_schema")) return AlterParse::kInvalid;
  skip_space();
  if (pos == text.size() || text[pos] != '=') return AlterParse::kInvalid;
  ++pos;
  skip_space();
  std::size_t end = text.size();
  while (end > pos && IsAsciiSpace(text[end - 1])) --end;
  *name = std::string(text.substr(pos, end - pos));
  return AlterParse::kAlter;
}

// Translates the statements that carry SQL beyond their keywords: SELECT,
// INSERT, UPDATE, DELETE.
class Translator {
 public:
  Translator(const std::vector<SqlToken>& tokens, const DialectOptions& options)
      : t_(tokens),
        options_(options),
        sqlite_(options.flavor == DialectFlavor::kSqlite),
        match_(tokens.size(), 0),
        skipped_(tokens.size(), false),
        number_(tokens.size(), 0) {}

  int MatchParentheses();
  int RemoveIntoClause(int* into_count);
  void NumberPlaceholders(int* input_count);
  int Translate(StatementKind kind, std::string* sql);

 private:
  using Range = std::pair<std::size_t, std::size_t>;

  int TranslateRange(std::size_t begin, std::size_t end, std::string* out, bool* is_date);
  int TranslateOperand(std::size_t* pos, std::size_t end, std::string* out, bool* is_date);
  int TranslateCall(std::size_t name_pos, std::string* expr, bool* is_date, std::size_t* next);
  int TranslateArgument(Range arg, std::string* out, bool* is_date);
  int SplitArguments(std::size_t lparen, std::vector<Range>* args) const;
  int TranslateTableList(std::size_t* pos, std::size_t end, std::string* out);
  int TranslateTableName(std::size_t* pos, std::size_t end, std::string* out);

  std::string Sysdate() const;
  std::string StartOfDay(const std::string& date) const;
  std::string AddDays(const std::string& date, std::string_view sign,
                      std::string_view days) const;
  std::string Qualify(std::string_view table) const;

  const std::vector<SqlToken>& t_;
  const DialectOptions& options_;
  const bool sqlite_;
  std::vector<std::size_t> match_;  // index of the partner of each parenthesis
  std::vector<bool> skipped_;       // tokens of the into clause
  std::vector<int> number_;         // engine number of each input placeholder
};

int Translator::MatchParentheses() {
  std::vector<std::size_t> open;
  for (std::size_t i = 0; i < t_.size(); ++i) {
    if (t_[i].kind == SqlTokenKind::kLParen) {
      open.push_back(i);
    } else if (t_[i].kind == SqlTokenKind::kRParen) {
      if (open.empty()) return kInvalidSql;
      match_[open.back()] = i;
      match_[i] = open.back();
      open.pop_back();
    }
  }
  return open.empty() ? 0 : kInvalidSql;
}

// The into clause names the host variables that receive the row; the
// engines deliver the row instead, so the clause goes. Each item is a host
// variable, directly followed by its indicator variable or not.
int Translator::RemoveIntoClause(int* into_count) {
  *into_count = 0;
  bool found = false;
  int depth = 0;
  for (std::size_t i = 0; i < t_.size(); ++i) {
    if (t_[i].kind == SqlTokenKind::kLParen) ++depth;
    if (t_[i].kind == SqlTokenKind::kRParen) --depth;
    if (depth != 0 || t_[i].kind != SqlTokenKind::kIdent || !TokenIs(t_[i], "into")) continue;
    if (found) return kInvalidSql;
    found = true;
    std::size_t k = i + 1;
    int count = 0;
    while (true) {
      if (k >= t_.size() || t_[k].kind != SqlTokenKind::kPlaceholder) return kInvalidSql;
      ++k;
      if (k < t_.size() && t_[k].kind == SqlTokenKind::kPlaceholder && t_[k].space.empty()) ++k;
      ++count;
      if (k < t_.size() && t_[k].kind == SqlTokenKind::kComma) {
        ++k;
        continue;
      }
      break;
    }
    if (k >= t_.size() || !TokenIs(t_[k], "from")) return kInvalidSql;
    for (std::size_t j = i; j < k; ++j) skipped_[j] = true;
    *into_count = count;
    i = k - 1;
  }
  return 0;
}

void Translator::NumberPlaceholders(int* input_count) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < t_.size(); ++i) {
    if (skipped_[i] || t_[i].kind != SqlTokenKind::kPlaceholder) continue;
    // Oracle's bind names are case-insensitive: :B0 is :b0.
    const std::string name = ToAsciiLower(t_[i].text.substr(1));
    std::size_t index = 0;
    while (index < names.size() && names[index] != name) ++index;
    if (index == names.size()) names.push_back(name);
    number_[i] = static_cast<int>(index) + 1;
  }
  *input_count = static_cast<int>(names.size());
}

int Translator::Translate(StatementKind kind, std::string* sql) {
  const std::size_t n = t_.size();
  std::string out;
  int rc = 0;
  std::size_t pos = 1;
  switch (kind) {
    case StatementKind::kSelect: {
      bool is_date = false;
      rc = TranslateRange(0, n, &out, &is_date);
      out.erase(0, t_[0].space.size());
      *sql = std::move(out);
      return rc;
    }
    case StatementKind::kInsert:
      out = t_[0].text;
      if (pos >= n || !TokenIs(t_[pos], "into")) return kInvalidSql;
      out.append(t_[pos].space).append(t_[pos].text);
      ++pos;
      if (pos >= n || t_[pos].kind != SqlTokenKind::kIdent) return kInvalidSql;
      rc = TranslateTableName(&pos, n, &out);
      break;
    case StatementKind::kUpdate:
      out = t_[0].text;
      rc = TranslateTableList(&pos, n, &out);
      break;
    case StatementKind::kDelete:
      out = t_[0].text;
      if (pos < n && TokenIs(t_[pos], "from")) {
        out.append(t_[pos].space).append(t_[pos].text);
        ++pos;
      } else {
        out.append(" FROM");  // Oracle may leave it out; the engines may not
      }
      rc = TranslateTableList(&pos, n, &out);
      break;
    default:
      return kInvalidSql;
  }
  if (rc != 0) return rc;
  bool is_date = false;
  rc = TranslateRange(pos, n, &out, &is_date);
  *sql = std::move(out);
  return rc;
}

// Appends the translation of tokens [begin, end). *is_date tells whether the
// range is a single date-valued operand (SYSDATE, trunc(...), to_date(...),
// day arithmetic on one of them, or such an operand in parentheses).
int Translator::TranslateRange(std::size_t begin, std::size_t end, std::string* out,
                               bool* is_date) {
  bool in_query = false;
  int units = 0;
  bool last_is_date = false;
  // Oracle sorts NULL after every value in ascending order and before them
  // in descending order; SQLite does the opposite unless told.
  bool in_order_by = false;
  bool item_desc = false;
  const auto end_order_item = [&] {
    if (in_order_by && sqlite_) out->append(item_desc ? " NULLS FIRST" : " NULLS LAST");
    item_desc = false;
  };
  std::size_t i = begin;
  while (i < end) {
    if (skipped_[i]) {
      ++i;
      continue;
    }
    const SqlToken& tok = t_[i];
    ++units;
    last_is_date = false;
    // A parenthesised group is one operand, translated by its own call:
    // every comma seen here separates order items.
    if (in_order_by) {
      if (tok.kind == SqlTokenKind::kComma) end_order_item();
      if (tok.kind == SqlTokenKind::kIdent) {
        if (TokenIs(tok, "desc")) item_desc = true;
        if (TokenIs(tok, "asc")) item_desc = false;
      }
    }
    if (in_query && tok.kind == SqlTokenKind::kIdent && TokenIs(tok, "order") &&
        i + 1 < end && TokenIs(t_[i + 1], "by")) {
      in_order_by = true;
      out->append(tok.space).append(tok.text).append(t_[i + 1].space).append(t_[i + 1].text);
      i += 2;
      continue;
    }
    if (tok.kind == SqlTokenKind::kIdent && TokenIs(tok, "select")) {
      in_query = true;
      out->append(tok.space).append(tok.text);
      ++i;
      continue;
    }
    if (in_query && tok.kind == SqlTokenKind::kIdent && TokenIs(tok, "from")) {
      out->append(tok.space).append(tok.text);
      ++i;
      const int rc = TranslateTableList(&i, end, out);
      if (rc != 0) return rc;
      continue;
    }
    const int rc = TranslateOperand(&i, end, out, &last_is_date);
    if (rc != 0) return rc;
  }
  end_order_item();
  *is_date = units == 1 && last_is_date;
  return 0;
}

int Translator::TranslateOperand(std::size_t* pos, std::size_t end, std::string* out,
                                 bool* is_date) {
  const std::size_t start = *pos;
  const SqlToken& tok = t_[start];
  std::size_t next = start + 1;
  std::string expr;
  bool date = false;
  switch (tok.kind) {
    case SqlTokenKind::kLParen: {
      const std::size_t close = match_[start];
      std::string inner;
      const int rc = TranslateRange(start + 1, close, &inner, &date);
      if (rc != 0) return rc;
      expr.append("(").append(inner).append(t_[close].space).append(")");
      next = close + 1;
      break;
    }
    case SqlTokenKind::kPlaceholder:
      expr = (sqlite_ ? "?" : "$") + std::to_string(number_[start]);
      break;
    case SqlTokenKind::kIdent: {
      // A name next to a '.' is part of a qualified name, never a function.
      const bool qualified = (start > 0 && IsOp(t_[start - 1], ".")) ||
                             (next < end && IsOp(t_[next], "."));
      if (qualified) {
        expr = tok.text;
      } else if (next < end && t_[next].kind == SqlTokenKind::kLParen) {
        const int rc = TranslateCall(start, &expr, &date, &next);
        if (rc != 0) return rc;
      } else if (TokenIs(tok, "sysdate")) {
        expr = Sysdate();
        date = true;
      } else {
        expr = tok.text;
      }
      break;
    }
    default:
      expr = tok.text;
      break;
  }
  if (date) {
    if (start > 0 && (IsOp(t_[start - 1], "+") || IsOp(t_[start - 1], "-") ||
                      IsOtherDateOperator(t_[start - 1]))) {
      return kInvalidSql;
    }
    // D+N and D-N with a number N count in days.
    while (next < end && (IsOp(t_[next], "+") || IsOp(t_[next], "-"))) {
      if (next + 1 >= end || t_[next + 1].kind != SqlTokenKind::kNumber) return kInvalidSql;
      if (next + 2 < end && IsOtherDateOperator(t_[next + 2])) return kInvalidSql;
      expr = AddDays(expr, t_[next].text, t_[next + 1].text);
      next += 2;
    }
    if (next < end && IsOtherDateOperator(t_[next])) return kInvalidSql;
  }
  out->append(tok.space).append(expr);
  *pos = next;
  *is_date = date;
  return 0;
}

// The functions that need more than a rename take their arguments apart;
// the others keep their parentheses, which the caller translates next.
int Translator::TranslateCall(std::size_t name_pos, std::string* expr, bool* is_date,
                              std::size_t* next) {
  const SqlToken& name = t_[name_pos];
  *is_date = false;
  *next = name_pos + 1;
  if (TokenIs(name, "nvl")) {
    *expr = "coalesce";
    return 0;
  }
  if (TokenIs(name, "substr")) {
    *expr = "substr";
    return 0;
  }
  const bool is_trunc = TokenIs(name, "trunc");
  const bool is_to_date = TokenIs(name, "to_date");
  const bool is_to_char = TokenIs(name, "to_char");
  const bool is_to_number = TokenIs(name, "to_number");
  if (!is_trunc && !is_to_date && !is_to_char && !is_to_number) {
    *expr = name.text;
    return 0;
  }
  const std::size_t lparen = name_pos + 1;
  std::vector<Range> args;
  int rc = SplitArguments(lparen, &args);
  if (rc != 0) return rc;
  std::string first;
  bool first_is_date = false;
  rc = TranslateArgument(args[0], &first, &first_is_date);
  if (rc != 0) return rc;
  *next = match_[lparen] + 1;

  if (is_trunc || is_to_date) {
    // trunc(date) cuts to midnight. to_date(date) converts the date to text
    // in the default date format and back, which loses the time of day as
    // well; of text it would need that format, so only a date is accepted.
    if (args.size() != 1) return kInvalidSql;
    if (is_to_date && !first_is_date) return kInvalidSql;
    *expr = StartOfDay(first);
    *is_date = true;
    return 0;
  }
  if (is_to_number) {
    if (args.size() != 1) return kInvalidSql;
    *expr = sqlite_ ? "CAST(" + first + " AS NUMERIC)" : "(" + first + ")::numeric";
    return 0;
  }
  // TO_CHAR(date,'format')
  if (args.size() != 2 || args[1].second - args[1].first != 1) return kInvalidSql;
  const SqlToken& format = t_[args[1].first];
  if (format.kind != SqlTokenKind::kString) return kInvalidSql;
  // Both engines accept the same formats, so that they answer alike.
  std::string strftime_format;
  if (!ConvertDateFormat(format.text, &strftime_format)) return kInvalidSql;
  if (sqlite_) {
    *expr = "strftime(" + strftime_format + "," + first + ")";
  } else {
    *expr = "to_char(" + first + "," + std::string(format.text) + ")";
  }
  return 0;
}

int Translator::TranslateArgument(Range arg, std::string* out, bool* is_date) {
  std::string text;
  const int rc = TranslateRange(arg.first, arg.second, &text, is_date);
  if (rc != 0) return rc;
  text.erase(0, t_[arg.first].space.size());
  *out = std::move(text);
  return 0;
}

int Translator::SplitArguments(std::size_t lparen, std::vector<Range>* args) const {
  const std::size_t close = match_[lparen];
  std::size_t begin = lparen + 1;
  for (std::size_t i = begin; i <= close; ++i) {
    if (t_[i].kind == SqlTokenKind::kLParen) {
      i = match_[i];
    } else if (t_[i].kind == SqlTokenKind::kComma || i == close) {
      if (i == begin) return kInvalidSql;  // empty argument
      args->push_back({begin, i});
      begin = i + 1;
    }
  }
  return 0;
}

// A comma list of tables, each optionally followed by an alias, up to a
// word that ends the list or the end of the range.
int Translator::TranslateTableList(std::size_t* pos, std::size_t end, std::string* out) {
  std::size_t i = *pos;
  while (true) {
    if (i >= end) return kInvalidSql;
    int rc = 0;
    if (t_[i].kind == SqlTokenKind::kIdent && !EndsTableList(t_[i])) {
      rc = TranslateTableName(&i, end, out);
    } else if (t_[i].kind == SqlTokenKind::kLParen) {
      bool is_date = false;
      rc = TranslateOperand(&i, end, out, &is_date);
    } else {
      return kInvalidSql;
    }
    if (rc != 0) return rc;
    if (i < end && t_[i].kind == SqlTokenKind::kIdent && !EndsTableList(t_[i])) {
      out->append(t_[i].space).append(t_[i].text);  // alias
      ++i;
    }
    if (i < end && t_[i].kind == SqlTokenKind::kComma) {
      out->append(t_[i].space).append(",");
      ++i;
      continue;
    }
    *pos = i;
    return (i == end || EndsTableList(t_[i])) ? 0 : kInvalidSql;
  }
}

int Translator::TranslateTableName(std::size_t* pos, std::size_t end, std::string* out) {
  const std::size_t i = *pos;
  const SqlToken& name = t_[i];
  if (i + 1 < end && IsOp(t_[i + 1], ".")) {
    if (i + 2 >= end || t_[i + 2].kind != SqlTokenKind::kIdent) return kInvalidSql;
    out->append(name.space).append(name.text);
    out->append(t_[i + 1].space).append(".");
    out->append(t_[i + 2].space).append(t_[i + 2].text);
    *pos = i + 3;
    return 0;
  }
  out->append(name.space).append(Qualify(name.text));
  *pos = i + 1;
  return 0;
}

std::string Translator::Sysdate() const {
  if (!options_.pinned_sysdate.empty()) {
    return (sqlite_ ? "'" : "TIMESTAMP '") + options_.pinned_sysdate + "'";
  }
  // statement_timestamp() moves with each statement; now() would stay at the
  // start of the long transactions that the engine keeps open.
  return sqlite_ ? "datetime('now','localtime')"
                 : "date_trunc('second', statement_timestamp()::timestamp)";
}

std::string Translator::StartOfDay(const std::string& date) const {
  return sqlite_ ? "datetime(" + date + ",'start of day')" : "date_trunc('day', " + date + ")";
}

std::string Translator::AddDays(const std::string& date, std::string_view sign,
                                std::string_view days) const {
  if (sqlite_) {
    return "datetime(" + date + ",'" + std::string(sign) + std::string(days) + " days')";
  }
  return "(" + date + " " + std::string(sign) + " " + std::string(days) + " * interval '1 day')";
}

// SQLite attaches each schema under its upper-case name; PostgreSQL holds
// the schemas that the installation created unquoted, so in lower case.
std::string Translator::Qualify(std::string_view table) const {
  if (options_.current_schema.empty()) return std::string(table);
  const std::string schema =
      sqlite_ ? ToAsciiUpper(options_.current_schema) : ToAsciiLower(options_.current_schema);
  return "\"" + schema + "\"." + std::string(table);
}

// savepoint X / rollback to [savepoint] X / commit [work]: the same text
// serves both engines.
int TranslateTransactionControl(const std::vector<SqlToken>& t, StatementKind kind,
                                TranslatedStatement* out) {
  std::size_t pos = 1;
  if (kind == StatementKind::kCommit) {
    if (pos < t.size() && TokenIs(t[pos], "work")) ++pos;
    if (pos != t.size()) return kInvalidSql;
    out->sql = "COMMIT";
    return 0;
  }
  if (kind == StatementKind::kRollbackTo) {
    if (pos >= t.size() || !TokenIs(t[pos], "to")) return kInvalidSql;
    ++pos;
    if (pos + 1 < t.size() && TokenIs(t[pos], "savepoint")) ++pos;
  }
  if (pos + 1 != t.size() || t[pos].kind != SqlTokenKind::kIdent ||
      !IsPlainIdentifier(t[pos].text)) {
    return kInvalidSql;
  }
  out->name = std::string(t[pos].text);
  out->sql = (kind == StatementKind::kSavepoint ? "SAVEPOINT " : "ROLLBACK TO SAVEPOINT ") +
             out->name;
  return 0;
}

bool KindOfVerb(const SqlToken& verb, StatementKind* kind) {
  static constexpr std::pair<std::string_view, StatementKind> kVerbs[] = {
      {"select", StatementKind::kSelect},       {"insert", StatementKind::kInsert},
      {"update", StatementKind::kUpdate},       {"delete", StatementKind::kDelete},
      {"savepoint", StatementKind::kSavepoint}, {"rollback", StatementKind::kRollbackTo},
      {"commit", StatementKind::kCommit}};
  if (verb.kind != SqlTokenKind::kIdent) return false;
  for (const auto& [word, k] : kVerbs) {
    if (TokenIs(verb, word)) {
      *kind = k;
      return true;
    }
  }
  return false;
}

int TranslateText(std::string_view oracle_text, const DialectOptions& options,
                  TranslatedStatement* out) {
  if (!options.current_schema.empty() && !IsPlainIdentifier(options.current_schema)) {
    return kInvalidSql;
  }
  if (!options.pinned_sysdate.empty() && !IsCanonicalTimestamp(options.pinned_sysdate)) {
    return kInvalidSql;
  }
  switch (ParseAlterSchema(oracle_text, &out->name)) {
    case AlterParse::kAlter:
      out->kind = StatementKind::kAlterSchema;
      return 0;
    case AlterParse::kInvalid:
      return kInvalidSql;
    case AlterParse::kNotAlter:
      break;
  }
  std::vector<SqlToken> tokens;
  int rc = TokenizeSql(oracle_text, &tokens);
  if (rc != 0) return rc;
  if (tokens.empty() || !KindOfVerb(tokens[0], &out->kind)) return kInvalidSql;
  switch (out->kind) {
    case StatementKind::kSavepoint:
    case StatementKind::kRollbackTo:
    case StatementKind::kCommit:
      return TranslateTransactionControl(tokens, out->kind, out);
    default:
      break;
  }
  Translator translator(tokens, options);
  rc = translator.MatchParentheses();
  if (rc == 0 && out->kind == StatementKind::kSelect) {
    rc = translator.RemoveIntoClause(&out->into_count);
  }
  if (rc != 0) return rc;
  translator.NumberPlaceholders(&out->input_count);
  return translator.Translate(out->kind, &out->sql);
}

}  // namespace

int TranslateStatement(std::string_view oracle_text, const DialectOptions& options,
                       TranslatedStatement* out) {
  *out = TranslatedStatement{};
  const int rc = TranslateText(oracle_text, options, out);
  if (rc != 0) *out = TranslatedStatement{};
  return rc;
}

bool IsPlainIdentifier(std::string_view name) {
  if (name.empty() || name.size() > 30 || !IsAsciiLetter(name[0])) return false;
  for (char c : name) {
    if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '_' && c != '$' && c != '#') return false;
  }
  return true;
}

}  // namespace kv::db
