// Scratch files for the tests of configuration files and their tools.
#ifndef KORVANTIS_CONFIG_CONFIG_TEST_SUPPORT_H_
#define KORVANTIS_CONFIG_CONFIG_TEST_SUPPORT_H_

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

namespace kv::config::testing {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class ScratchDir {
 public:
  ScratchDir() {
    static std::atomic<int> counter{0};
    std::error_code ec;
    const auto base = std::filesystem::temp_directory_path(ec);
    for (;;) {
      path_ = base / ("kv-config-test-" + std::to_string(std::random_device{}()) + "-" +
                      std::to_string(counter++));
      if (std::filesystem::create_directory(path_, ec)) break;
    }
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string Path(const std::string& name) const { return (path_ / name).string(); }

  // Writes bytes exactly as given (no line-end translation); returns the path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return Path(name);
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::filesystem::path path_;
};

}  // namespace kv::config::testing

#endif  // KORVANTIS_CONFIG_CONFIG_TEST_SUPPORT_H_
