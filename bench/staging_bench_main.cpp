// korvantis-bench-staging: how long the staging table and the download file
// writer take for one large download, on either engine.
//
//   korvantis-bench-staging sqlite LINES
//   korvantis-bench-staging postgresql://... LOGIN PASSWORD LINES
//
// Builds a throwaway installation (SQLite: in a temporary folder; PostgreSQL:
// the schemas kvsystem and mnd01 of the given database, dropped and created
// anew), stages LINES record lines of 85 characters under one download file
// path, and writes them to a file, printing the time of each step.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "db/sql_status.h"
#include "db/sqlhlp.h"
#include "db/staging_table.h"
#include "run/download_file.h"
#include "tools/installation_builder.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

int Usage() {
  std::fprintf(stderr,
               "usage: korvantis-bench-staging sqlite LINES\n"
               "       korvantis-bench-staging postgresql://... LOGIN PASSWORD LINES\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  std::string service = argv[1];
  bool sqlite = service == "sqlite";
  if (!sqlite && argc < 5) return Usage();
  std::string login = sqlite ? "bench" : argv[2];
  std::string password = sqlite ? "bench" : argv[3];
  long lines = std::strtol(argv[sqlite ? 2 : 4], nullptr, 10);
  if (lines <= 0) return Usage();

  char folder[] = "/tmp/kvbench.XXXXXX";
  if (::mkdtemp(folder) == nullptr) return 1;
  std::string root = folder;
  kv::tools::InstallationOptions options;
  options.root = root;
  options.service = sqlite ? "sqlite:" + root + "/db" : service;
  options.login = login;
  options.password = password;
  options.tenants = {"MND01"};
  options.schema_dir = KV_SOURCE_DIR "/schema";
  std::string error;
  if (kv::tools::BuildInstallation(options, &error) != kv::tools::InstallStatus::kOk) {
    std::fprintf(stderr, "installation: %s\n", error.c_str());
    return 1;
  }
  if (kv::db::ConnectDatabase(login.c_str(), password.c_str(), options.service.c_str(), "KVSYSTEM") !=
      kv::db::kSqlOk) {
    std::fprintf(stderr, "connect failed\n");
    return 1;
  }
  std::string path = root + "/bench.dnl";

  auto start = Clock::now();
  long refused = 0;
  char line[128];
  for (long i = 0; i < lines; ++i) {
    // Scrambled order, as badges of several tenants arrive.
    long k = (i * 7919) % lines;
    std::snprintf(line, sizeof line, "%020ld%065d", k, 0);
    if (kv::db::InsertStagedLine(path.c_str(), line) != kv::db::kSqlOk) ++refused;
  }
  double stage = Seconds(start);
  // A second round stages every line again: each is refused by the key.
  start = Clock::now();
  long second = 0;
  for (long i = 0; i < lines / 10; ++i) {
    std::snprintf(line, sizeof line, "%020ld%065d", i, 0);
    if (kv::db::InsertStagedLine(path.c_str(), line) != kv::db::kSqlOk) ++second;
  }
  double dup = Seconds(start);
  start = Clock::now();
  kv::run::WriteDownloadFile(stdout, path.c_str(), true, 85, false);
  double write = Seconds(start);
  start = Clock::now();
  int rc = kv::db::DeleteStagedLines(path.c_str());
  double del = Seconds(start);

  std::printf("engine %s, %ld lines\n", sqlite ? "sqlite" : "postgresql", lines);
  std::printf("stage      %8.3f s  %8.1f us/line  refused %ld\n", stage, stage * 1e6 / static_cast<double>(lines), refused);
  std::printf("duplicates %8.3f s  %8.1f us/line  refused %ld of %ld\n", dup, dup * 1e6 / static_cast<double>(lines / 10 + 1),
              second, lines / 10);
  std::printf("write file %8.3f s  %ld bytes\n", write,
              static_cast<long>(std::filesystem::file_size(path)));
  std::printf("delete     %8.3f s  rc %d\n", del, rc);
  std::filesystem::remove_all(root);
  return 0;
}
