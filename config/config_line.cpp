#include "config/config_line.h"

namespace kv::config {

bool ReadConfigLine(std::FILE* file, std::size_t limit, ConfigLine* line) {
  line->text[0] = '\0';
  line->length = 0;
  line->file_length = 0;
  line->has_newline = false;
  line->has_nul = false;
  if (limit > kValueLineLimit) limit = kValueLineLimit;
  const std::size_t keep = limit == 0 ? 0 : limit - 1;

  bool read_any = false;
  for (;;) {
    int c = std::getc(file);
    if (c == EOF) break;
    read_any = true;
    if (c == '\n') {
      line->has_newline = true;
      break;
    }
    if (c == '\r') {
      const int next = std::getc(file);
      if (next == '\n') {
        line->has_newline = true;
        break;
      }
      if (next != EOF) std::ungetc(next, file);
    }
    ++line->file_length;
    if (c == '\0') line->has_nul = true;
    if (!line->has_nul && line->length < keep) {
      line->text[line->length++] = static_cast<char>(c);
    }
  }
  line->text[line->length] = '\0';
  return read_any;
}

}  // namespace kv::config
