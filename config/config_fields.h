// The fields of one configuration entry, cut from its header line and its
// value line. Fields are separated by ';':
//   header line: (ignored) ; group ; (ignored ...)
//   value line:  number ; key ; value (a further ';' belongs to the value)
#ifndef KORVANTIS_CONFIG_CONFIG_FIELDS_H_
#define KORVANTIS_CONFIG_CONFIG_FIELDS_H_

#include <cstddef>
#include <cstdint>

namespace kv::config {

inline constexpr std::size_t kNumberFieldLimit = 11;
inline constexpr std::size_t kFieldLimit = 200;

struct ConfigEntryFields {
  char group[kFieldLimit + 1];
  char key[kFieldLimit + 1];
  char value[kFieldLimit + 1];
  std::int32_t number;
  bool header_short;      // header with fewer than two ';': empty group
  bool value_line_short;  // value line with fewer than two ';': empty key and value
  bool group_cut;         // these fields were longer than their limit and were cut
  bool number_cut;
  bool key_cut;
  bool value_cut;
};

void ClearConfigEntryFields(ConfigEntryFields* fields);

// header: the header line's text without its newline. Sets group,
// header_short and group_cut.
void SplitHeaderLine(const char* header, ConfigEntryFields* fields);

// value_line: the value line's text without its newline. Sets number, key,
// value, value_line_short and the cut flags of those three.
void SplitValueLine(const char* value_line, ConfigEntryFields* fields);

// Decimal conversion of the first length characters of text (stopping early
// at a terminator): leading white space skipped, an optional sign, digits up
// to the first other character; no digits gives 0. Out-of-range numbers
// saturate at the 32-bit limits.
std::int32_t ConvertConfigNumber(const char* text, std::size_t length);

}  // namespace kv::config

#endif  // KORVANTIS_CONFIG_CONFIG_FIELDS_H_
