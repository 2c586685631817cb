#include "config/config_reader.h"

#include <cstdio>
#include <cstring>

#include "config/config_line.h"
#include "config/credential_cipher.h"

namespace kv::config {

namespace {

bool EntryMatches(const ConfigEntryFields& entry, const char* group, const char* key,
                  int number) {
  return std::strcmp(entry.group, group) == 0 || std::strcmp(entry.key, key) == 0 ||
         entry.number == number;
}

}  // namespace

void ReadConfigValue(const char* group, const char* key, int number, const char* path,
                     ConfigReadResult* result) {
  std::memset(result, 0, sizeof *result);
  if (path == nullptr) return;
  if (group == nullptr) group = "";
  if (key == nullptr) key = "";

  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return;

  ConfigLine header;
  ConfigLine value_line;
  ConfigEntryFields entry;
  int line_number = 0;
  for (;;) {
    const bool have_header = ReadConfigLine(file, kHeaderLineLimit, &header);
    if (!have_header || !ReadConfigLine(file, kValueLineLimit, &value_line)) break;
    line_number += 2;

    ClearConfigEntryFields(&entry);
    SplitHeaderLine(header.text, &entry);
    SplitValueLine(value_line.text, &entry);
    if (EntryMatches(entry, group, key, number)) {
      std::memcpy(result->group, entry.group, sizeof result->group);
      std::memcpy(result->key, entry.key, sizeof result->key);
      std::memcpy(result->value, entry.value, sizeof result->value);
      result->number = entry.number;
      result->entry_line = line_number - 1;
      DecryptConfigValue(result->value, result->ConfigValue, sizeof result->ConfigValue,
                         kConfigCipherKey);
      break;
    }
  }
  std::fclose(file);
}

}  // namespace kv::config
