#include "config/config_path.h"

#include <filesystem>

namespace kv::config {

std::string WindowsPathToPlatform(std::string_view windows_path) {
  const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
  std::string path(windows_path);
  for (char& c : path) {
    if (c == '\\') c = separator;
  }
  return path;
}

std::string ConfigFilePath() { return WindowsPathToPlatform(kConfigFileWindowsPath); }

}  // namespace kv::config
