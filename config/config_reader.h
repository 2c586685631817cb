// Finds one entry of the configuration file and hands back its deciphered
// value.
//
// The file is a sequence of two-line entries from the top: a header line
// whose group is the text between its first and second ';', then a value
// line "number;key;value". An entry is taken when its group equals the
// requested group, OR its key equals the requested key, OR its number equals
// the requested number (texts compared exactly); the first such entry wins.
// With the run's requests (group "", number 0) an entry with an empty group
// or a number 0 is therefore taken for every key below it.
//
// Input outside the file format has these outcomes; none reads or writes past
// a buffer:
// - Missing or unreadable file, empty file: empty value, nothing printed.
// - Last line without a newline: read as if it had one.
// - A header line with nothing after it (end of file): ignored, empty value
//   unless an earlier entry matched.
// - A line longer than its limit (header 199, value line 399, each counting
//   its newline): read to its end as one line, its first 198 / 398
//   characters kept. Read in pieces instead, the rest would become the next
//   line and shift the pairing of every entry below it, and a piece of text
//   that was never an entry could then match through an empty group or a
//   number 0; this way only the long line itself is cut.
// - Fields longer than their result fields: cut to 200 characters (group,
//   key, value); the number field is its first 11 characters, and a number
//   beyond the 32-bit range saturates at -2147483648 / 2147483647.
// - A value line with fewer than two ';': the number is still converted
//   from the text before the first ';' (the whole line without one), key and
//   value are empty. So such a line matches a request for number 0 (as any
//   entry without digits in its number does) and then gives an empty value.
// - Fields present but empty (";;", a line that ends right after its second
//   ';'): empty texts. An empty key equals only a requested empty key; an
//   empty value deciphers to the empty text.
// - A zero byte in a line ends that line's text; the rest of the line up to
//   its newline is skipped, so the pairing stays intact.
// - Only a carriage return right before a line feed is dropped; any other
//   byte, 0x1A included, is an ordinary character.
// - A value that is not whole blocks of upper-case hex deciphers as the
//   credential cipher defines it (a partial last group completed with '0').
#ifndef KORVANTIS_CONFIG_CONFIG_READER_H_
#define KORVANTIS_CONFIG_CONFIG_READER_H_

#include <cstdint>

#include "config/config_fields.h"

namespace kv::config {

// Owned by the caller; ReadConfigValue clears it first. After a match the
// entry's fields stay in it; without one everything is empty.
struct ConfigReadResult {
  char group[kFieldLimit + 1];
  char key[kFieldLimit + 1];
  char value[kFieldLimit + 1];  // the enciphered hex text
  std::int32_t number;
  // The deciphered value, up to its first zero byte. A value field of 200
  // hex characters deciphers to at most 13 blocks, 105 bytes with the zero.
  char ConfigValue[kFieldLimit + 1];
  int entry_line;  // line number of the matching entry's header line, 0 for none
};

// Null texts count as empty. Prints nothing.
void ReadConfigValue(const char* group, const char* key, int number, const char* path,
                     ConfigReadResult* result);

}  // namespace kv::config

#endif  // KORVANTIS_CONFIG_CONFIG_READER_H_
