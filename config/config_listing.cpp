#include "config/config_listing.h"

#include <cstdio>
#include <utility>

#include "config/config_fields.h"
#include "config/config_line.h"

namespace kv::config {

ConfigListing ListConfigEntries(const std::string& path) {
  ConfigListing listing;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return listing;
  listing.opened = true;

  ConfigLine header;
  ConfigLine value_line;
  ConfigEntryFields fields;
  for (;;) {
    if (!ReadConfigLine(file, kHeaderLineLimit, &header)) break;
    ++listing.line_count;
    if (!ReadConfigLine(file, kValueLineLimit, &value_line)) {
      listing.dangling_header_line = listing.line_count;
      break;
    }
    ++listing.line_count;

    ClearConfigEntryFields(&fields);
    SplitHeaderLine(header.text, &fields);
    SplitValueLine(value_line.text, &fields);

    ConfigFileEntry entry;
    entry.header_line = listing.line_count - 1;
    entry.value_line = listing.line_count;
    entry.group = fields.group;
    entry.key = fields.key;
    entry.value = fields.value;
    entry.number = fields.number;
    entry.header_over_long = IsOverLong(header, kHeaderLineLimit);
    entry.value_over_long = IsOverLong(value_line, kValueLineLimit);
    entry.header_has_nul = header.has_nul;
    entry.value_has_nul = value_line.has_nul;
    entry.value_line_short = fields.value_line_short;
    entry.group_cut = fields.group_cut;
    entry.number_cut = fields.number_cut;
    entry.key_cut = fields.key_cut;
    entry.value_cut = fields.value_cut;
    listing.entries.push_back(std::move(entry));
  }
  std::fclose(file);
  return listing;
}

}  // namespace kv::config
