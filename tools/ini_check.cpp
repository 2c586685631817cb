#include "tools/ini_check.h"

#include <algorithm>
#include <map>

#include "config/config_fields.h"
#include "config/config_line.h"
#include "config/config_listing.h"
#include "config/config_reader.h"

namespace kv::tools {

namespace {

using config::ConfigFileEntry;

bool IsCredentialKey(const std::string& key) {
  for (const char* k : kCredentialKeys) {
    if (key == k) return true;
  }
  return false;
}

bool IsWholeHexBlocks(const std::string& value) {
  return value.size() % 16 == 0 &&
         value.find_first_not_of("0123456789ABCDEF") == std::string::npos;
}

void Warn(CheckReport* report, CheckWarningKind kind, int line, std::string text) {
  report->warnings.push_back({kind, line, std::move(text)});
}

std::string LineText(int line) { return "line " + std::to_string(line) + ": "; }

void CheckLayout(const ConfigFileEntry& e, CheckReport* report) {
  if (e.header_over_long) {
    Warn(report, CheckWarningKind::kLineTooLong, e.header_line,
         LineText(e.header_line) + "header line longer than " +
             std::to_string(config::kHeaderLineLimit - 1) + " characters; the reader cuts it");
  }
  if (e.value_over_long) {
    Warn(report, CheckWarningKind::kLineTooLong, e.value_line,
         LineText(e.value_line) + "value line longer than " +
             std::to_string(config::kValueLineLimit - 1) + " characters; the reader cuts it");
  }
  const struct {
    bool cut;
    int line;
    const char* field;
    std::size_t limit;
  } kFields[] = {
      {e.group_cut, e.header_line, "group", config::kFieldLimit},
      {e.number_cut, e.value_line, "number", config::kNumberFieldLimit},
      {e.key_cut, e.value_line, "key", config::kFieldLimit},
      {e.value_cut, e.value_line, "value", config::kFieldLimit},
  };
  for (const auto& f : kFields) {
    if (f.cut) {
      Warn(report, CheckWarningKind::kFieldTooLong, f.line,
           LineText(f.line) + f.field + " longer than " + std::to_string(f.limit) +
               " characters; the reader cuts it");
    }
  }
  if (e.header_has_nul || e.value_has_nul) {
    const int line = e.header_has_nul ? e.header_line : e.value_line;
    Warn(report, CheckWarningKind::kZeroByte, line,
         LineText(line) + "zero byte; the reader ends the line there");
  }
  if (e.value_line_short) {
    Warn(report, CheckWarningKind::kValueLineShort, e.value_line,
         LineText(e.value_line) + "value line with fewer than two ';': key and value read as empty");
  } else if (!IsWholeHexBlocks(e.value)) {
    Warn(report, CheckWarningKind::kValueNotHexBlocks, e.value_line,
         LineText(e.value_line) + "value of " + e.key +
             " is not whole blocks of 16 upper-case hex digits");
  }
}

}  // namespace

CheckReport CheckConfigFile(const std::string& path) {
  CheckReport report;
  const config::ConfigListing listing = config::ListConfigEntries(path);
  if (!listing.opened) {
    Warn(&report, CheckWarningKind::kCannotOpen, 0, "cannot open " + path);
    return report;
  }

  for (const char* key : kCredentialKeys) {
    config::ConfigReadResult result;
    config::ReadConfigValue("", key, 0, path.c_str(), &result);
    report.resolutions.push_back({key, result.entry_line, result.key});
  }

  std::map<std::string, int> first_line_of_key;
  int last_credential = -1;
  for (std::size_t i = 0; i < listing.entries.size(); ++i) {
    const ConfigFileEntry& e = listing.entries[i];
    if (IsCredentialKey(e.key)) last_credential = static_cast<int>(i);
    if (!e.value_line_short && !e.key.empty()) {
      const auto [it, first] = first_line_of_key.emplace(e.key, e.header_line);
      if (!first) {
        Warn(&report, CheckWarningKind::kRepeatedKey, e.header_line,
             LineText(e.header_line) + "key " + e.key + " repeats the entry at line " +
                 std::to_string(it->second) + "; only the first is read");
      }
    }
    CheckLayout(e, &report);
  }

  for (int i = 0; i < last_credential; ++i) {
    const ConfigFileEntry& e = listing.entries[static_cast<std::size_t>(i)];
    if (e.group.empty() || e.number == 0) {
      Warn(&report, CheckWarningKind::kShadowsLaterKeys, e.header_line,
           LineText(e.header_line) + "entry " + (e.key.empty() ? "without key" : e.key) +
               " has " + (e.group.empty() ? "an empty group" : "the number 0") +
               ": the tool takes it for every key below it");
    }
  }
  for (const char* key : kCredentialKeys) {
    if (first_line_of_key.count(key) == 0) {
      Warn(&report, CheckWarningKind::kNoOwnEntry, 0, std::string(key) + " has no entry of its own");
    }
  }
  if (listing.dangling_header_line != 0) {
    Warn(&report, CheckWarningKind::kHeaderWithoutValue, listing.dangling_header_line,
         LineText(listing.dangling_header_line) + "header line without a value line; ignored");
  }
  // File order; warnings about a key as a whole last.
  std::stable_sort(report.warnings.begin(), report.warnings.end(),
                   [](const CheckWarning& a, const CheckWarning& b) {
                     if ((a.line == 0) != (b.line == 0)) return b.line == 0;
                     return a.line < b.line;
                   });
  return report;
}

}  // namespace kv::tools
