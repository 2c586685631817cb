// A console for tests: a real stdio stream whose bytes can be read back.
#ifndef KORVANTIS_TESTS_CONSOLE_CAPTURE_H_
#define KORVANTIS_TESTS_CONSOLE_CAPTURE_H_

#include <cstdio>
#include <string>

namespace kv::test {

class ConsoleCapture {
 public:
  ConsoleCapture() : file_(std::tmpfile()) {}
  ~ConsoleCapture() {
    if (file_ != nullptr) std::fclose(file_);
  }
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;

  std::FILE* file() { return file_; }

  // Everything written so far.
  std::string Text() {
    std::fflush(file_);
    long end = std::ftell(file_);
    std::string text(static_cast<std::size_t>(end), '\0');
    std::rewind(file_);
    std::size_t n = std::fread(text.data(), 1, text.size(), file_);
    text.resize(n);
    std::fseek(file_, 0, SEEK_END);
    return text;
  }

 private:
  std::FILE* file_;
};

}  // namespace kv::test

#endif  // KORVANTIS_TESTS_CONSOLE_CAPTURE_H_
