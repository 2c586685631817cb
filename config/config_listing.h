// Every entry of a configuration file as the reader pairs and splits it,
// with the places where the file leaves the format; for tools that check or
// rewrite the file. The reader's own rules are described in config_reader.h.
#ifndef KORVANTIS_CONFIG_CONFIG_LISTING_H_
#define KORVANTIS_CONFIG_CONFIG_LISTING_H_

#include <cstdint>
#include <string>
#include <vector>

namespace kv::config {

struct ConfigFileEntry {
  int header_line = 0;  // line numbers in the file, from 1
  int value_line = 0;
  std::string group;    // the fields as the reader sees them (cut to their limits)
  std::string key;
  std::string value;
  std::int32_t number = 0;
  bool header_over_long = false;
  bool value_over_long = false;
  bool header_has_nul = false;
  bool value_has_nul = false;
  bool value_line_short = false;  // fewer than two ';'
  bool group_cut = false;
  bool number_cut = false;
  bool key_cut = false;
  bool value_cut = false;
};

struct ConfigListing {
  bool opened = false;
  std::vector<ConfigFileEntry> entries;
  int dangling_header_line = 0;  // a last header line without a value line; 0 for none
  int line_count = 0;
};

ConfigListing ListConfigEntries(const std::string& path);

}  // namespace kv::config

#endif  // KORVANTIS_CONFIG_CONFIG_LISTING_H_
