// One line of the configuration file as the reader sees it. The file is read
// as bytes; a carriage return right before a line feed is dropped, so files
// with either line end read alike on every platform.
#ifndef KORVANTIS_CONFIG_CONFIG_LINE_H_
#define KORVANTIS_CONFIG_CONFIG_LINE_H_

#include <cstddef>
#include <cstdio>

namespace kv::config {

// Longest lines the reader takes, each counting its newline.
inline constexpr std::size_t kHeaderLineLimit = 199;
inline constexpr std::size_t kValueLineLimit = 399;

struct ConfigLine {
  // The kept characters, terminated; never more than limit - 1 of them.
  char text[kValueLineLimit];
  std::size_t length;           // characters kept in text
  std::size_t file_length;      // characters of the line in the file, newline not counted
  bool has_newline;             // false only for a last line that lacks one
  bool has_nul;                 // the line held a zero byte; text ends before it
};

// Reads the next line of file, always to its end: an over-long line keeps its
// first limit - 1 characters and the rest is skipped, so one line of the file
// is always one line here. A zero byte ends the kept text. limit must be at
// most kValueLineLimit. Returns false, with line emptied, when the file is at
// its end before the call.
bool ReadConfigLine(std::FILE* file, std::size_t limit, ConfigLine* line);

inline bool IsOverLong(const ConfigLine& line, std::size_t limit) {
  return line.file_length + 1 > limit;
}

}  // namespace kv::config

#endif  // KORVANTIS_CONFIG_CONFIG_LINE_H_
