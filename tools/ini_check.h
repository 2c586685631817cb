// What the tool will make of a configuration file: which entry each of its
// four keys resolves to, and the places where the file can mislead it.
#ifndef KORVANTIS_TOOLS_INI_CHECK_H_
#define KORVANTIS_TOOLS_INI_CHECK_H_

#include <string>
#include <vector>

namespace kv::tools {

// The keys the tool reads, in the order it reads them.
inline constexpr const char* kCredentialKeys[] = {"LOGIN", "PASS", "NET8", "SCHEMA"};

struct KeyResolution {
  std::string key;
  int entry_line = 0;     // header line of the entry the reader takes; 0 for none
  std::string entry_key;  // that entry's key
};

enum class CheckWarningKind {
  kCannotOpen,
  kNoOwnEntry,        // a credential key has no entry with that key
  kShadowsLaterKeys,  // empty group or number 0 above the last credential key
  kRepeatedKey,       // a later entry of a key already seen: never read
  kValueNotHexBlocks, // not whole 16-digit blocks of 0-9 A-F
  kLineTooLong,
  kFieldTooLong,
  kValueLineShort,    // fewer than two ';'
  kZeroByte,
  kHeaderWithoutValue,
};

struct CheckWarning {
  CheckWarningKind kind;
  int line = 0;  // 0 when the warning is about the file or a key as a whole
  std::string text;
};

struct CheckReport {
  std::vector<KeyResolution> resolutions;  // one per credential key, when the file opened
  std::vector<CheckWarning> warnings;
};

CheckReport CheckConfigFile(const std::string& path);

}  // namespace kv::tools

#endif  // KORVANTIS_TOOLS_INI_CHECK_H_
