#include "tools/ini_command.h"

#include "tools/ini_check.h"
#include "tools/ini_editor.h"

namespace kv::tools {

namespace {

constexpr char kUsage[] =
    "usage: korvantis-ini set FILE KEY VALUE\n"
    "       korvantis-ini get FILE KEY\n"
    "       korvantis-ini check FILE\n"
    "       korvantis-ini --help\n";

constexpr char kHelp[] =
    "\n"
    "Writes and reads the enciphered entries of the configuration file\n"
    "(files/velastrom.ini). An entry is two lines:\n"
    "  [KEY];GROUP;           header line; the group is the text between the first two ';'\n"
    "  NUMBER;KEY;HEXVALUE    value line; the value Blowfish-enciphered, upper-case hex\n"
    "korvantis reads LOGIN, PASS, NET8 and SCHEMA and takes, for each, the first entry\n"
    "whose key matches OR whose group is empty OR whose number is 0; so every entry\n"
    "above those keys needs a group and a non-zero number. It uses the SCHEMA value\n"
    "without its last character.\n"
    "\n"
    "  set    write or replace KEY's entry, enciphered (creates FILE, not its folders)\n"
    "  get    print KEY's value as korvantis reads it\n"
    "  check  show the entry each of the four keys resolves to; warn about entries\n"
    "         that shadow later keys, values that are not whole hex blocks and lines\n"
    "         beyond the reader's limits (header 198, value line 398 characters)\n"
    "\n"
    "Exit status: 0 done and clean, 1 failed or check warned, 2 usage error.\n";

int Usage(std::ostream& err) {
  err << kUsage;
  return kIniExitUsage;
}

int RunSet(const std::string& path, const std::string& key, const std::string& value,
           std::ostream& err) {
  std::string error;
  if (!SetConfigEntry(path, key, value, &error)) {
    err << "korvantis-ini: " << error << "\n";
    return kIniExitWarned;
  }
  // The entry is written; say so when an entry above it still wins.
  std::string read_back;
  if (!GetConfigEntry(path, key, &read_back, &error) || read_back != value) {
    err << "korvantis-ini: warning: " << key
        << " was written, but an entry above it is read instead; run check\n";
    return kIniExitWarned;
  }
  return kIniExitOk;
}

int RunGet(const std::string& path, const std::string& key, std::ostream& out,
           std::ostream& err) {
  std::string value;
  std::string error;
  if (!GetConfigEntry(path, key, &value, &error)) {
    err << "korvantis-ini: " << error << "\n";
    return kIniExitWarned;
  }
  out << value << "\n";
  return kIniExitOk;
}

int RunCheck(const std::string& path, std::ostream& out) {
  const CheckReport report = CheckConfigFile(path);
  for (const KeyResolution& r : report.resolutions) {
    out << r.key << std::string(8 - r.key.size(), ' ') << "-> ";
    if (r.entry_line == 0) {
      out << "no entry (empty value)\n";
    } else {
      out << "line " << r.entry_line << ", key " << (r.entry_key.empty() ? "(empty)" : r.entry_key)
          << "\n";
    }
  }
  for (const CheckWarning& w : report.warnings) out << "warning: " << w.text << "\n";
  return report.warnings.empty() ? kIniExitOk : kIniExitWarned;
}

}  // namespace

int RunIniCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return Usage(err);
  const std::string& command = args[0];
  if (command == "--help" || command == "-h") {
    if (args.size() != 1) return Usage(err);
    out << kUsage << kHelp;
    return kIniExitOk;
  }
  if (command == "set" && args.size() == 4) return RunSet(args[1], args[2], args[3], err);
  if (command == "get" && args.size() == 3) return RunGet(args[1], args[2], out, err);
  if (command == "check" && args.size() == 2) return RunCheck(args[1], out);
  return Usage(err);
}

}  // namespace kv::tools
