#include "tools/sql_script.h"

#include <algorithm>

#include "db/ascii.h"

namespace kv::tools {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

bool IsIdentPart(char c) {
  return IsIdentStart(c) || (c >= '0' && c <= '9') || c == '$' || c == '#';
}

// Copies a quoted run ('...' or "...") starting at text[i], doubled quotes
// included; returns the index after its closing quote, or the end.
size_t CopyQuoted(std::string_view text, size_t i, std::string* out, int* line) {
  const char quote = text[i];
  *out += text[i++];
  while (i < text.size()) {
    char c = text[i];
    *out += c;
    ++i;
    if (c == '\n') ++*line;
    if (c == quote) {
      if (i < text.size() && text[i] == quote) {
        *out += text[i++];
        continue;
      }
      break;
    }
  }
  return i;
}

void Finish(std::string* text, int line, std::vector<ScriptStatement>* out) {
  size_t begin = 0;
  while (begin < text->size() && IsBlank((*text)[begin])) ++begin;
  size_t end = text->size();
  while (end > begin && IsBlank((*text)[end - 1])) --end;
  if (end > begin) out->push_back({text->substr(begin, end - begin), line});
  text->clear();
}

}  // namespace

std::vector<ScriptStatement> SplitSqlScript(std::string_view script) {
  std::vector<ScriptStatement> statements;
  std::string current;
  int line = 1;
  int start_line = 0;  // 0 until the current statement has a character of its own
  size_t i = 0;
  while (i < script.size()) {
    char c = script[i];
    if (c == '-' && i + 1 < script.size() && script[i + 1] == '-') {
      while (i < script.size() && script[i] != '\n') ++i;
      continue;  // the line end itself is kept, below
    }
    if (c == '/' && i + 1 < script.size() && script[i + 1] == '*') {
      i += 2;
      while (i < script.size() && !(script[i] == '*' && i + 1 < script.size() && script[i + 1] == '/')) {
        if (script[i] == '\n') ++line;
        ++i;
      }
      i = std::min(script.size(), i + 2);
      current += ' ';
      continue;
    }
    if (c == ';') {
      Finish(&current, start_line, &statements);
      start_line = 0;
      ++i;
      continue;
    }
    if (start_line == 0 && !IsBlank(c)) start_line = line;
    if (c == '\'' || c == '"') {
      i = CopyQuoted(script, i, &current, &line);
      continue;
    }
    if (c == '\n') ++line;
    current += c;
    ++i;
  }
  Finish(&current, start_line, &statements);
  return statements;
}

std::vector<std::string> QualifierNames(std::string_view statement) {
  std::vector<std::string> names;
  size_t i = 0;
  while (i < statement.size()) {
    char c = statement[i];
    if (c == '\'' || c == '"') {
      const char quote = c;
      for (++i; i < statement.size(); ++i) {
        if (statement[i] != quote) continue;
        if (i + 1 < statement.size() && statement[i + 1] == quote) {
          ++i;
          continue;
        }
        ++i;
        break;
      }
      continue;
    }
    if (IsIdentStart(c)) {
      size_t begin = i;
      while (i < statement.size() && IsIdentPart(statement[i])) ++i;
      size_t after = i;
      while (after < statement.size() && IsBlank(statement[after])) ++after;
      if (after < statement.size() && statement[after] == '.') {
        std::string name;
        for (size_t k = begin; k < i; ++k) name += db::AsciiUpper(statement[k]);
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
      }
      continue;
    }
    if (c >= '0' && c <= '9') {
      // A number such as 12.5 is no qualifier: skip its digits and point.
      while (i < statement.size() && (IsIdentPart(statement[i]) || statement[i] == '.')) ++i;
      continue;
    }
    ++i;
  }
  return names;
}

}  // namespace kv::tools
