// ASCII letter case, as identifiers, schema names and file names of the
// installation use it: only "a"-"z" and "A"-"Z" change, every other byte
// (Windows-1252 letters included) stays as it is.
#ifndef KORVANTIS_DB_ASCII_H_
#define KORVANTIS_DB_ASCII_H_

#include <string>
#include <string_view>

namespace kv::db {

inline bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsAsciiSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
inline char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string ToAsciiUpper(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = AsciiUpper(c);
  return r;
}

inline std::string ToAsciiLower(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = AsciiLower(c);
  return r;
}

}  // namespace kv::db

#endif  // KORVANTIS_DB_ASCII_H_
