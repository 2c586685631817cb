#include "tools/ini_editor.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <system_error>
#include <vector>

#include "config/config_line.h"
#include "config/config_listing.h"
#include "config/config_reader.h"
#include "config/credential_cipher.h"

namespace kv::tools {

namespace {

namespace fs = std::filesystem;

// The file's physical lines, each with its own line end ("" for a last line
// without one).
struct FileLines {
  std::vector<std::string> text;
  std::vector<std::string> end;
};

FileLines SplitLines(const std::string& bytes) {
  FileLines lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t nl = bytes.find('\n', start);
    std::string line = bytes.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
    std::string end;
    if (nl != std::string::npos) {
      end = "\n";
      if (!line.empty() && line.back() == '\r') {
        line.pop_back();
        end = "\r\n";
      }
    }
    lines.text.push_back(std::move(line));
    lines.end.push_back(std::move(end));
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  return lines;
}

bool ReadWholeFile(const std::string& path, bool* exists, std::string* bytes, std::string* error) {
  std::error_code ec;
  *exists = fs::exists(path, ec);
  if (ec) {
    *error = "cannot access " + path + ": " + ec.message();
    return false;
  }
  if (!*exists) return true;
  if (fs::is_directory(path, ec)) {
    *error = path + " is a folder";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = "cannot read " + path;
    return false;
  }
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    *error = "cannot read " + path;
    return false;
  }
  return true;
}

bool WriteReplacing(const std::string& path, bool existed, const std::string& bytes,
                    std::string* error) {
  const std::string temp = path + ".korvantis-ini.tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      std::error_code ec;
      const fs::path folder = fs::path(path).parent_path();
      *error = !folder.empty() && !fs::is_directory(folder, ec)
                   ? "folder " + folder.string() + " does not exist"
                   : "cannot write " + temp;
      return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      *error = "cannot write " + temp;
      out.close();
      std::remove(temp.c_str());
      return false;
    }
  }
  std::error_code ec;
  if (existed) {
    // The file holds credentials: keep whatever access it was given.
    const fs::perms perms = fs::status(path, ec).permissions();
    if (!ec) fs::permissions(temp, perms, ec);
  }
  fs::rename(temp, path, ec);
  if (ec) {
    *error = "cannot replace " + path + ": " + ec.message();
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

std::int32_t NewEntryNumber(const std::vector<config::ConfigFileEntry>& entries) {
  std::int32_t largest = 0;
  std::set<std::int32_t> used;
  for (const config::ConfigFileEntry& e : entries) {
    used.insert(e.number);
    if (e.number > largest) largest = e.number;
  }
  if (largest < std::numeric_limits<std::int32_t>::max()) return largest + 1;
  std::int32_t n = 1;
  while (used.count(n) != 0) ++n;
  return n;
}

bool ValidKey(const std::string& key, std::string* error) {
  if (key.empty()) {
    *error = "the key is empty";
    return false;
  }
  if (key.find_first_of(std::string(";\r\n\0", 4)) != std::string::npos) {
    *error = "the key must not hold ';', a line end or a zero byte";
    return false;
  }
  return true;
}

bool ValidValue(const std::string& value, std::string* error) {
  if (value.find('\0') != std::string::npos) {
    *error = "the value must not hold a zero byte";
    return false;
  }
  if (value.size() > kMaxPlainValueLength) {
    *error = "the value is longer than " + std::to_string(kMaxPlainValueLength) + " bytes";
    return false;
  }
  return true;
}

bool FitsReader(const std::string& header, const std::string& value_line, std::string* error) {
  if (header.size() + 1 > config::kHeaderLineLimit ||
      value_line.size() + 1 > config::kValueLineLimit) {
    *error = "the key is too long for the reader's line limits";
    return false;
  }
  return true;
}

}  // namespace

bool SetConfigEntry(const std::string& path, const std::string& key, const std::string& value,
                    std::string* error) {
  std::string scratch;
  if (error == nullptr) error = &scratch;
  if (!ValidKey(key, error) || !ValidValue(value, error)) return false;

  bool existed = false;
  std::string bytes;
  if (!ReadWholeFile(path, &existed, &bytes, error)) return false;
  FileLines lines = SplitLines(bytes);
  const config::ConfigListing listing =
      existed ? config::ListConfigEntries(path) : config::ConfigListing{};
  if (existed && (!listing.opened || listing.line_count != static_cast<int>(lines.text.size()))) {
    *error = "cannot read " + path;
    return false;
  }
  const std::string eol = lines.end.empty() || lines.end[0].empty() ? "\n" : lines.end[0];

  const config::ConfigFileEntry* own = nullptr;
  for (const config::ConfigFileEntry& e : listing.entries) {
    if (e.key == key) {
      own = &e;
      break;
    }
  }

  const std::string hex = config::EncryptConfigValue(value);
  const std::string new_header = "[" + key + "];" + kWrittenGroup + ";";
  if (own != nullptr) {
    const std::int32_t number = own->number != 0 ? own->number : NewEntryNumber(listing.entries);
    const std::string value_line = std::to_string(number) + ";" + key + ";" + hex;
    const auto h = static_cast<std::size_t>(own->header_line - 1);
    const auto v = static_cast<std::size_t>(own->value_line - 1);
    if (!FitsReader(own->group.empty() ? new_header : "", value_line, error)) return false;
    if (own->group.empty()) lines.text[h] = new_header;
    lines.text[v] = value_line;
    if (lines.end[v].empty()) lines.end[v] = eol;
  } else {
    const std::string value_line =
        std::to_string(NewEntryNumber(listing.entries)) + ";" + key + ";" + hex;
    if (!FitsReader(new_header, value_line, error)) return false;
    // After the last whole entry; a header line left alone at the end stays
    // after the new entry, still without a value line.
    const std::size_t at = listing.entries.size() * 2;
    if (at > 0 && lines.end[at - 1].empty()) lines.end[at - 1] = eol;
    lines.text.insert(lines.text.begin() + static_cast<std::ptrdiff_t>(at), {new_header, value_line});
    lines.end.insert(lines.end.begin() + static_cast<std::ptrdiff_t>(at), {eol, eol});
  }

  std::string out;
  for (std::size_t i = 0; i < lines.text.size(); ++i) out += lines.text[i] + lines.end[i];
  return WriteReplacing(path, existed, out, error);
}

bool GetConfigEntry(const std::string& path, const std::string& key, std::string* value,
                    std::string* error) {
  std::FILE* probe = std::fopen(path.c_str(), "rb");
  if (probe == nullptr) {
    if (error != nullptr) *error = "cannot open " + path;
    return false;
  }
  std::fclose(probe);
  config::ConfigReadResult result;
  config::ReadConfigValue("", key.c_str(), 0, path.c_str(), &result);
  *value = result.ConfigValue;
  return true;
}

}  // namespace kv::tools
