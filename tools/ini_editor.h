// Writing and reading single entries of a configuration file, for the
// korvantis-ini tool and the installation builder.
#ifndef KORVANTIS_TOOLS_INI_EDITOR_H_
#define KORVANTIS_TOOLS_INI_EDITOR_H_

#include <cstddef>
#include <string>

namespace kv::tools {

// Group that set writes into new header lines: "[KEY];KORVANTIS;".
inline constexpr char kWrittenGroup[] = "KORVANTIS";

// Longest value that still fits the reader's 200-character value field once
// enciphered: 12 blocks of 8 bytes, 192 hex digits.
inline constexpr std::size_t kMaxPlainValueLength = 96;

// Writes the entry of key with value enciphered. The first entry whose key
// equals key is replaced in place: its value line becomes "NUMBER;KEY;HEX",
// its header line stays unless its group is empty, and its number stays
// unless it is 0. Every header and number that this writes is non-empty and
// non-zero, so the entry shadows no other key; a new number is one above the
// file's largest (the smallest unused positive one when that is the 32-bit
// maximum). A new entry goes after the last whole entry, before a header line
// left without its value line at the end, so the pairing of the lines stays.
// Lines keep their bytes; new lines end like the file's first line (LF for a
// new file). The file is created when missing, its folders are not. The new
// content is written beside the file and renamed over it.
//
// Refused, with false and *error set: an empty key, a key holding ';', a
// line end or a zero byte; a value holding a zero byte or longer than
// kMaxPlainValueLength; lines that would exceed the reader's limits; a file
// that cannot be read or written.
bool SetConfigEntry(const std::string& path, const std::string& key, const std::string& value,
                    std::string* error);

// The value of key as the tool reads it (group "", number 0). False, with
// *error set, when the file cannot be opened.
bool GetConfigEntry(const std::string& path, const std::string& key, std::string* value,
                    std::string* error);

}  // namespace kv::tools

#endif  // KORVANTIS_TOOLS_INI_EDITOR_H_
