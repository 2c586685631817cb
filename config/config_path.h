// Where the tool finds its configuration file: a fixed path relative to the
// working directory, written the Windows way and converted to this platform.
#ifndef KORVANTIS_CONFIG_CONFIG_PATH_H_
#define KORVANTIS_CONFIG_CONFIG_PATH_H_

#include <string>
#include <string_view>

namespace kv::config {

inline constexpr char kConfigFileWindowsPath[] = "..\\..\\files\\velastrom.ini";

// Backslashes become the platform's directory separator; nothing else changes.
std::string WindowsPathToPlatform(std::string_view windows_path);

// kConfigFileWindowsPath on this platform ("../../files/velastrom.ini" on POSIX).
std::string ConfigFilePath();

}  // namespace kv::config

#endif  // KORVANTIS_CONFIG_CONFIG_PATH_H_
