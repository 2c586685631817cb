#include "tools/installation_builder.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/config_reader.h"
#include "db/ascii.h"
#include "tests/test_installation.h"

namespace kv::tools {
namespace {

namespace fs = std::filesystem;

const std::string kSource = KV_SOURCE_DIR;
const std::string kDemo = kSource + "/schema/demo/demo.sql";
// The demo's date tokens count from this day: yesterday is a leap day.
constexpr LocalDate kToday{2024, 3, 1};

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = ::testing::TempDir() + "kvinstall.XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) != nullptr) path_ = buffer.data();
  }
  ~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

InstallationOptions DemoOptions(const std::string& root) {
  InstallationOptions o;
  o.root = root;
  o.service = "sqlite";
  o.login = "demo";
  o.password = "demo-pw";
  o.tenants = {"MND01", "MND02", "MND03"};
  o.data_files = {kDemo};
  o.schema_dir = kSource + "/schema";
  o.today = kToday;
  return o;
}

// ------------------------------------------------------------ SQLite access

struct CloseDb {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Db = std::unique_ptr<sqlite3, CloseDb>;

Db OpenDb(const std::string& path) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  return Db(db);
}

// The first row's columns joined by '|'; NULL as "NULL".
std::string Query(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
    return std::string("error: ") + sqlite3_errmsg(db);
  std::string row;
  if (sqlite3_step(st) == SQLITE_ROW) {
    for (int i = 0; i < sqlite3_column_count(st); ++i) {
      if (i > 0) row += '|';
      const unsigned char* text = sqlite3_column_text(st, i);
      row += text ? reinterpret_cast<const char*>(text) : "NULL";
    }
  }
  sqlite3_finalize(st);
  return row;
}

// The extended result code of running sql to its end (SQLITE_DONE on success).
int Step(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* st = nullptr;
  int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
  if (rc == SQLITE_OK) {
    do rc = sqlite3_step(st);
    while (rc == SQLITE_ROW);
  }
  sqlite3_finalize(st);
  return rc == SQLITE_DONE ? rc : sqlite3_extended_errcode(db);
}

std::vector<std::string> Column(sqlite3* db, const std::string& sql, int column) {
  std::vector<std::string> values;
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) return {"error"};
  while (sqlite3_step(st) == SQLITE_ROW) {
    const unsigned char* text = sqlite3_column_text(st, column);
    values.push_back(text ? reinterpret_cast<const char*>(text) : "NULL");
  }
  sqlite3_finalize(st);
  return values;
}

// ---------------------------------------------------- what the demo holds

struct RowCount {
  const char* schema;
  const char* table;
  int rows;
};

// Counted by hand from schema/demo/demo.sql; every table of both schemas.
const RowCount kDemoRows[] = {
    {"KVSYSTEM", "Kvs112Mnd", 6},       {"KVSYSTEM", "Kvs115Tfz", 7},       {"KVSYSTEM", "Kvs999Tmp", 0},
    {"KVSYSTEM", "Kvs301Asw", 34},      {"KVSYSTEM", "Kvs113Awv", 35},      {"KVSYSTEM", "Kvs113Sto", 6},
    {"KVSYSTEM", "Kvs114Tsm", 5},       {"KVSYSTEM", "Kvs401Zls", 12},      {"KVSYSTEM", "Kvs404Zbr", 16},
    {"KVSYSTEM", "G2101SalLst", 20},    {"KVSYSTEM", "Kvs102Whl", 50},      {"MND01", "Kvs300Pnr", 11},
    {"MND01", "Kvs408Bzu", 7},          {"MND01", "Kvs311Zuo", 7},          {"MND01", "O1003Kststelle", 3},
    {"MND01", "G1102AbtLst", 3},        {"MND01", "Kvs310Bsv", 3},          {"MND01", "Kvs320Tgb", 11},
    {"MND01", "Kvs332Urv", 9},          {"MND01", "Kvs332Utg", 7},          {"MND02", "Kvs300Pnr", 8},
    {"MND02", "Kvs408Bzu", 4},          {"MND02", "Kvs311Zuo", 1},          {"MND02", "O1003Kststelle", 1},
    {"MND02", "G1102AbtLst", 1},        {"MND02", "Kvs310Bsv", 1},          {"MND02", "Kvs320Tgb", 6},
    {"MND02", "Kvs332Urv", 3},          {"MND02", "Kvs332Utg", 1},          {"MND03", "Kvs300Pnr", 4},
    {"MND03", "Kvs408Bzu", 1},          {"MND03", "Kvs311Zuo", 0},          {"MND03", "O1003Kststelle", 0},
    {"MND03", "G1102AbtLst", 0},        {"MND03", "Kvs310Bsv", 0},          {"MND03", "Kvs320Tgb", 2},
    {"MND03", "Kvs332Urv", 1},          {"MND03", "Kvs332Utg", 0},
};

struct ValueCase {
  const char* schema;
  const char* query;  // runs with the schema's tables unqualified
  const char* expected;
};

// The tokens as the builder fills them in for kToday = 2024-03-01.
const ValueCase kTokenValues[] = {
    {"KVSYSTEM", "SELECT AswGvo FROM Kvs301Asw WHERE AswNum = '10012'", "2024-03-01 08:00:00"},
    {"KVSYSTEM", "SELECT AswGbi FROM Kvs301Asw WHERE AswNum = '10014'", "2024-03-01 18:00:00"},
    {"KVSYSTEM", "SELECT AswGvo FROM Kvs301Asw WHERE AswNum = '20012'", "2024-03-02 00:00:00"},
    {"MND01", "SELECT count(*) FROM Kvs320Tgb WHERE TGBDTM = '2024-02-29 00:00:00'", "10"},
    {"MND01", "SELECT count(*) FROM Kvs320Tgb WHERE TGBDTM = '2024-03-01 00:00:00'", "1"},
    {"MND02", "SELECT count(*) FROM Kvs320Tgb WHERE TGBDTM = '2024-02-29 00:00:00'", "6"},
    {"MND01", "SELECT count(*) FROM Kvs332Urv WHERE URVJHR = 2024", "8"},
    {"MND01", "SELECT count(*) FROM Kvs332Urv WHERE URVJHR = 2023", "1"},
    {"MND03", "SELECT URVJHR FROM Kvs332Urv", "2024"},
    {"MND01", "SELECT max(UtgDtm) FROM Kvs332Utg", "2024-03-02 00:00:00"},
    {"MND01", "SELECT UtgGut FROM Kvs332Utg WHERE UTGPNR = '1002'", "-1.25"},
};

// ----------------------------------------------------------- SQLite tests

class SqliteDemoTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = new TempFolder();
    std::string error;
    status_ = BuildInstallation(DemoOptions(root_->path()), &error);
    error_ = new std::string(error);
  }
  static void TearDownTestSuite() {
    delete root_;
    delete error_;
    root_ = nullptr;
    error_ = nullptr;
  }
  void SetUp() override { ASSERT_EQ(status_, InstallStatus::kOk) << *error_; }

  static std::string DbPath(const std::string& schema) { return root_->path() + "/db/" + schema + ".sqlite"; }

  static TempFolder* root_;
  static InstallStatus status_;
  static std::string* error_;
};

TempFolder* SqliteDemoTest::root_ = nullptr;
InstallStatus SqliteDemoTest::status_ = InstallStatus::kOk;
std::string* SqliteDemoTest::error_ = nullptr;

TEST_F(SqliteDemoTest, LaysOutTheInstallation) {
  const std::string root = root_->path();
  EXPECT_TRUE(fs::is_regular_file(root + "/files/velastrom.ini"));
  EXPECT_TRUE(fs::is_directory(root + "/work/run"));
  // NET8 names the folder as the tool sees it from its working directory.
  EXPECT_TRUE(fs::equivalent(root + "/work/run/../../db", root + "/db"));
  for (const char* schema : {"KVSYSTEM", "MND01", "MND02", "MND03"}) {
    SCOPED_TRACE(schema);
    ASSERT_TRUE(fs::is_regular_file(DbPath(schema)));
    Db db = OpenDb(DbPath(schema));
    EXPECT_EQ(Query(db.get(), "PRAGMA journal_mode"), "wal");
  }
}

TEST_F(SqliteDemoTest, WritesTheFourIniEntries) {
  const std::string ini = root_->path() + "/files/velastrom.ini";
  struct Case {
    const char* key;
    const char* value;
  };
  // SCHEMA carries one character more, which the tool drops when reading.
  const Case kCases[] = {
      {"LOGIN", "demo"}, {"PASS", "demo-pw"}, {"NET8", "sqlite:../../db"}, {"SCHEMA", "KVSYSTEM."}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.key);
    config::ConfigReadResult result;
    config::ReadConfigValue("", c.key, 0, ini.c_str(), &result);
    EXPECT_STREQ(result.ConfigValue, c.value);
  }
}

TEST_F(SqliteDemoTest, HoldsEveryTableWithTheRowsTheDemoInserts) {
  for (const char* schema : {"KVSYSTEM", "MND01", "MND02", "MND03"}) {
    SCOPED_TRACE(schema);
    Db db = OpenDb(DbPath(schema));
    std::vector<std::string> expected;
    for (const RowCount& r : kDemoRows)
      if (std::string(r.schema) == schema) expected.push_back(r.table);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Column(db.get(), "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", 0), expected);
  }
  for (const RowCount& r : kDemoRows) {
    SCOPED_TRACE(std::string(r.schema) + "." + r.table);
    Db db = OpenDb(DbPath(r.schema));
    EXPECT_EQ(Query(db.get(), std::string("SELECT count(*) FROM ") + r.table), std::to_string(r.rows));
  }
}

TEST_F(SqliteDemoTest, FillsInTheDateTokens) {
  for (const ValueCase& c : kTokenValues) {
    SCOPED_TRACE(c.query);
    Db db = OpenDb(DbPath(c.schema));
    EXPECT_EQ(Query(db.get(), c.query), c.expected);
  }
}

TEST_F(SqliteDemoTest, KeepsTextAsUtf8InBinaryOrder) {
  Db db = OpenDb(DbPath("KVSYSTEM"));
  // "Büro Nord": ü is the two bytes C3 BC.
  EXPECT_EQ(Query(db.get(), "SELECT hex(StoKtx) FROM Kvs113Sto WHERE StoNum = '33'"), "42C3BC726F204E6F7264");
  // Byte order puts Ü (C3 9C) after every ASCII letter.
  EXPECT_EQ(Query(db.get(),
                  "SELECT group_concat(FtxT50, '|') FROM (SELECT FtxT50 FROM Kvs102Whl "
                  "WHERE FtxSpr = 1 AND FtxWhl IN (2, 8) ORDER BY FtxT50)"),
            "Verplant|Überstd.");
}

// Every date column of both schemas refuses all but 'YYYY-MM-DD HH:MM:SS'.
TEST_F(SqliteDemoTest, DateColumnsTakeOnlyTheCanonicalForm) {
  struct DateColumn {
    const char* schema;
    const char* table;
    const char* column;
  };
  const DateColumn kColumns[] = {
      {"KVSYSTEM", "Kvs301Asw", "AswGvo"}, {"KVSYSTEM", "Kvs301Asw", "AswGbi"}, {"MND01", "Kvs408Bzu", "BzuGvo"},
      {"MND01", "Kvs408Bzu", "BzuGbi"},    {"MND01", "Kvs311Zuo", "ZuoGvo"},    {"MND01", "Kvs311Zuo", "ZuoGbi"},
      {"MND01", "Kvs310Bsv", "BsvGvo"},    {"MND01", "Kvs310Bsv", "BsvGbi"},    {"MND01", "Kvs320Tgb", "TGBDTM"},
      {"MND01", "Kvs332Utg", "UtgDtm"},
  };
  struct Value {
    const char* literal;
    bool accepted;
  };
  const Value kValues[] = {
      {"'2026-12-11 10:00:00'", true},   {"NULL", true},
      {"'2024-02-29 23:59:59'", true},   {"'2026-12-11'", false},
      {"'2026-12-11T10:00:00'", false},  {"'2026-12-11 10:00'", false},
      {"'2026-12-11 10:00:00.5'", false}, {"' 2026-12-11 10:00:00'", false},
      {"'2026-02-30 10:00:00'", false},  {"'2026-12-11 24:00:00'", false},
      {"'2026-13-01 00:00:00'", false},  {"20261211", false},
  };
  for (const DateColumn& col : kColumns) {
    Db db = OpenDb(DbPath(col.schema));
    ASSERT_EQ(Step(db.get(), "BEGIN"), SQLITE_DONE);
    for (const Value& v : kValues) {
      SCOPED_TRACE(std::string(col.table) + "." + col.column + " = " + v.literal);
      const std::string sql =
          std::string("INSERT INTO ") + col.table + " (" + col.column + ") VALUES (" + v.literal + ")";
      EXPECT_EQ(Step(db.get(), sql), v.accepted ? SQLITE_DONE : SQLITE_CONSTRAINT_CHECK);
    }
    ASSERT_EQ(Step(db.get(), "ROLLBACK"), SQLITE_DONE);
  }
}

TEST_F(SqliteDemoTest, StagingTableRefusesADuplicateLine) {
  Db db = OpenDb(DbPath("KVSYSTEM"));
  ASSERT_EQ(Step(db.get(), "BEGIN"), SQLITE_DONE);
  struct Insert {
    const char* values;
    int rc;
  };
  // In this order: the second insert repeats the first.
  const Insert kInserts[] = {
      {"('/tmp/a.dnl', 'LINE 1')", SQLITE_DONE},
      {"('/tmp/a.dnl', 'LINE 1')", SQLITE_CONSTRAINT_PRIMARYKEY},
      {"('/tmp/b.dnl', 'LINE 1')", SQLITE_DONE},
      {"('/tmp/a.dnl', 'LINE 2')", SQLITE_DONE},
      {"('/tmp/a.dnl', 'line 1')", SQLITE_DONE},
      {"('/tmp/a.dnl', NULL)", SQLITE_CONSTRAINT_NOTNULL},
  };
  for (const Insert& s : kInserts) {
    SCOPED_TRACE(s.values);
    EXPECT_EQ(Step(db.get(), std::string("INSERT INTO Kvs999Tmp (TmpUsr, TmpStr) VALUES ") + s.values), s.rc);
  }
  EXPECT_EQ(Query(db.get(), "SELECT count(*) FROM Kvs999Tmp"), "4");
  ASSERT_EQ(Step(db.get(), "ROLLBACK"), SQLITE_DONE);
}

// The lookups made per badge find their rows through an index.
TEST_F(SqliteDemoTest, PerBadgeLookupsUseAnIndex) {
  struct Case {
    const char* schema;
    const char* query;
  };
  const Case kCases[] = {
      {"KVSYSTEM", "SELECT * FROM Kvs112Mnd WHERE MndSch = 'MND01'"},
      {"KVSYSTEM", "SELECT * FROM Kvs115Tfz WHERE TfzTrm = 'TERM01'"},
      {"KVSYSTEM", "SELECT * FROM Kvs301Asw WHERE AswLiz = 1 AND AswMnd = 1 ORDER BY AswNum"},
      {"KVSYSTEM", "SELECT * FROM Kvs113Awv WHERE AwvNum = '10001'"},
      {"KVSYSTEM", "SELECT * FROM Kvs113Sto WHERE StoNum = '101'"},
      {"KVSYSTEM", "SELECT * FROM Kvs114Tsm WHERE TsmNam = 'TERM01'"},
      {"KVSYSTEM", "SELECT * FROM Kvs401Zls WHERE ZlsTrm = 'TERM01' AND ZlsLes <= 11 ORDER BY ZlsLes"},
      {"KVSYSTEM", "SELECT count(*) FROM Kvs404Zbr WHERE ZbrZbk = 'K01' AND ZbrZko = 'Z0102'"},
      {"KVSYSTEM", "SELECT * FROM G2101SalLst WHERE TsaSal = '10' ORDER BY TsaSal, TsaLfd"},
      {"KVSYSTEM", "SELECT * FROM Kvs102Whl WHERE FtxWhl = 1 AND FtxNumSpr = 220001 AND FtxSpr = 1"},
      {"KVSYSTEM", "SELECT * FROM Kvs999Tmp WHERE TmpUsr = 'x' ORDER BY TmpUsr, TmpStr"},
      {"MND01", "SELECT * FROM Kvs300Pnr WHERE PnrNum = '1001'"},
      {"MND01", "SELECT * FROM Kvs408Bzu WHERE BzuZau = 'G1'"},
      {"MND01", "SELECT * FROM Kvs408Bzu WHERE BzuKst = 'KST100'"},
      {"MND01", "SELECT * FROM Kvs408Bzu WHERE BzuVks = 'VWS2'"},
      {"MND01", "SELECT * FROM Kvs408Bzu WHERE BzuAbt = 'ABT10'"},
      {"MND01", "SELECT * FROM Kvs408Bzu WHERE BzuVab = 'VAB2'"},
      {"MND01", "SELECT * FROM Kvs408Bzu WHERE BzuAkr = 'AKR1'"},
      {"MND01", "SELECT * FROM Kvs311Zuo WHERE ZuoPnr = '1002'"},
      {"MND01", "SELECT * FROM O1003Kststelle WHERE KstNum = 'KST200'"},
      {"MND01", "SELECT * FROM G1102AbtLst WHERE AblAbt = 'ABT20'"},
      {"MND01", "SELECT * FROM Kvs310Bsv WHERE BsvPnr = '1007'"},
      {"MND01", "SELECT * FROM Kvs320Tgb WHERE TGBPNR = '1001' AND TGBDTM = '2024-02-29 00:00:00'"},
      {"MND01", "SELECT * FROM Kvs332Urv WHERE URVPNR = '1001' AND URVJHR = 2024"},
      {"MND01", "SELECT * FROM Kvs332Utg WHERE UTGPNR = '1001' ORDER BY UtgDtm DESC"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.query);
    Db db = OpenDb(DbPath(c.schema));
    const std::vector<std::string> plan = Column(db.get(), std::string("EXPLAIN QUERY PLAN ") + c.query, 3);
    ASSERT_FALSE(plan.empty());
    for (const std::string& step : plan) {
      EXPECT_EQ(step.rfind("SCAN", 0), std::string::npos) << step;
      EXPECT_NE(step.find("USING"), std::string::npos) << step;
    }
  }
}

TEST(SqliteInstallTest, PlacesTheDatabasesWhereTheServiceSays) {
  TempFolder temp;
  const std::string absolute = temp.path() + "/elsewhere";
  struct Case {
    std::string service;
    std::string net8;
    std::string folder;  // relative to the root, or absolute
  };
  const Case kCases[] = {
      {"sqlite", "sqlite:../../db", "db"},
      {"sqlite:../../db", "sqlite:../../db", "db"},
      {"sqlite:data", "sqlite:data", "work/run/data"},
      {"sqlite:../shared/dbs", "sqlite:../shared/dbs", "work/shared/dbs"},
      {"sqlite:" + absolute, "sqlite:" + absolute, absolute},
  };
  int n = 0;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.service);
    const std::string root = temp.path() + "/root" + std::to_string(++n);
    InstallationOptions o = DemoOptions(root);
    o.service = c.service;
    o.tenants = {"T1"};
    o.data_files.clear();
    std::string error;
    ASSERT_EQ(BuildInstallation(o, &error), InstallStatus::kOk) << error;
    const fs::path folder = c.folder[0] == '/' ? fs::path(c.folder) : fs::path(root) / c.folder;
    EXPECT_TRUE(fs::is_regular_file(folder / "KVSYSTEM.sqlite"));
    EXPECT_TRUE(fs::is_regular_file(folder / "T1.sqlite"));
    config::ConfigReadResult result;
    config::ReadConfigValue("", "NET8", 0, (root + "/files/velastrom.ini").c_str(), &result);
    EXPECT_EQ(std::string(result.ConfigValue), c.net8);
  }
}

TEST(SqliteInstallTest, RebuildReplacesTheDatabasesAndTheEntries) {
  TempFolder temp;
  InstallationOptions o = DemoOptions(temp.path());
  std::string error;
  ASSERT_EQ(BuildInstallation(o, &error), InstallStatus::kOk) << error;
  o.password = "changed";
  ASSERT_EQ(BuildInstallation(o, &error), InstallStatus::kOk) << error;
  Db system = OpenDb(temp.path() + "/db/KVSYSTEM.sqlite");
  EXPECT_EQ(Query(system.get(), "SELECT count(*) FROM Kvs301Asw"), "34");
  Db tenant = OpenDb(temp.path() + "/db/MND01.sqlite");
  EXPECT_EQ(Query(tenant.get(), "SELECT count(*) FROM Kvs300Pnr"), "11");
  const std::string ini = temp.path() + "/files/velastrom.ini";
  config::ConfigReadResult result;
  config::ReadConfigValue("", "PASS", 0, ini.c_str(), &result);
  EXPECT_STREQ(result.ConfigValue, "changed");
  std::ifstream in(ini);
  int lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  EXPECT_EQ(lines, 8);  // four entries of two lines, none added twice
}

TEST(SqliteInstallTest, RefusedStatementUndoesItsDataFileOnly) {
  TempFolder temp;
  const std::string good = temp.path() + "/good.sql";
  const std::string bad = temp.path() + "/bad.sql";
  WriteFile(good, "INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndSch) VALUES (1, 'MND01');\n");
  WriteFile(bad,
            "INSERT INTO KvSystem.Kvs114Tsm (TsmNam) VALUES ('T1');\n"
            "INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmNope) VALUES ('T2', 1);\n");
  InstallationOptions o = DemoOptions(temp.path() + "/root");
  o.tenants = {"MND01"};
  o.data_files = {good, bad};
  std::string error;
  EXPECT_EQ(BuildInstallation(o, &error), InstallStatus::kSqlError);
  EXPECT_NE(error.find(bad + ":2: "), std::string::npos) << error;
  Db db = OpenDb(temp.path() + "/root/db/KVSYSTEM.sqlite");
  EXPECT_EQ(Query(db.get(), "SELECT count(*) FROM Kvs112Mnd"), "1");
  EXPECT_EQ(Query(db.get(), "SELECT count(*) FROM Kvs114Tsm"), "0");
}

TEST(SqliteInstallTest, DataFileNamesAtMostTenSchemas) {
  TempFolder temp;
  InstallationOptions o = DemoOptions(temp.path() + "/root");
  o.tenants.clear();
  std::string nine;    // the system schema and nine tenants
  std::string eleven;  // eleven tenants
  for (int i = 1; i <= 11; ++i) {
    const std::string t = "T" + std::to_string(i);
    o.tenants.push_back(t);
    const std::string insert = "INSERT INTO " + t + ".Kvs300Pnr (PnrNum) VALUES ('" + t + "');\n";
    if (i <= 9) nine += insert;
    eleven += insert;
  }
  nine += "INSERT INTO KvSystem.Kvs112Mnd (MndNum) VALUES (1);\n";
  WriteFile(temp.path() + "/nine.sql", nine);
  WriteFile(temp.path() + "/eleven.sql", eleven);
  std::string error;
  o.data_files = {temp.path() + "/nine.sql"};
  ASSERT_EQ(BuildInstallation(o, &error), InstallStatus::kOk) << error;
  Db db = OpenDb(temp.path() + "/root/db/T9.sqlite");
  EXPECT_EQ(Query(db.get(), "SELECT PnrNum FROM Kvs300Pnr"), "T9");
  o.data_files = {temp.path() + "/eleven.sql"};
  EXPECT_EQ(BuildInstallation(o, &error), InstallStatus::kBadArgument);
  EXPECT_NE(error.find("names more schemas than SQLite attaches at once"), std::string::npos) << error;
}

TEST(SqliteInstallTest, ReportsWhatFailedAndWhere) {
  struct Case {
    const char* name;
    std::function<void(InstallationOptions&, const std::string& dir)> change;
    InstallStatus status;
    std::vector<std::string> message;  // fragments; {dir} stands for the folder
  };
  auto data = [](const std::string& text) {
    return [text](InstallationOptions& o, const std::string& dir) {
      WriteFile(dir + "/data.sql", text);
      o.data_files = {dir + "/data.sql"};
    };
  };
  const Case kCases[] = {
      {"missing data file",
       [](InstallationOptions& o, const std::string& dir) { o.data_files = {kDemo, dir + "/absent.sql"}; },
       InstallStatus::kFileError,
       {"cannot read data file {dir}/absent.sql"}},
      {"unknown table",
       data("INSERT INTO KvSystem.Kvs112Mnd (MndNum) VALUES (1);\n\n"
            "INSERT INTO KvSystem.Kvs000Xyz (a)\n  VALUES (1);\n"),
       InstallStatus::kSqlError,
       {"{dir}/data.sql:3: ", "no such table: KvSystem.Kvs000Xyz",
        "in statement: INSERT INTO KvSystem.Kvs000Xyz (a)\n  VALUES (1)"}},
      {"syntax error", data("-- one line\nINSERT INTO KvSystem.Kvs112Mnd VALUES (1,,2);"), InstallStatus::kSqlError,
       {"{dir}/data.sql:2: ", "syntax error"}},
      {"date in another form",
       data("INSERT INTO MND01.Kvs320Tgb (TGBPNR, TGBDTM) VALUES ('1001', '2024-02-29');"),
       InstallStatus::kSqlError,
       {"CHECK constraint failed: Kvs320Tgb_TGBDTM_form"}},
      {"duplicate staging line",
       data("INSERT INTO KvSystem.Kvs999Tmp (TmpUsr, TmpStr) VALUES ('k', 'l');\n"
            "INSERT INTO KvSystem.Kvs999Tmp (TmpUsr, TmpStr) VALUES ('k', 'l');\n"),
       InstallStatus::kSqlError,
       {":2: ", "UNIQUE constraint failed"}},
      {"text that is not UTF-8", data("-- Kvs113Sto\nINSERT INTO KvSystem.Kvs113Sto (StoKtx) VALUES ('B\xFCro');"),
       InstallStatus::kFileError,
       {"{dir}/data.sql:2: not UTF-8"}},
      {"missing schema folder",
       [](InstallationOptions& o, const std::string& dir) { o.schema_dir = dir + "/noschema"; },
       InstallStatus::kFileError,
       {"cannot read schema file {dir}/noschema/sqlite/system.sql"}},
      {"unknown service", [](InstallationOptions& o, const std::string&) { o.service = "oracle:db"; },
       InstallStatus::kBadArgument,
       {"unknown service \"oracle:db\""}},
      {"folder missing after sqlite:", [](InstallationOptions& o, const std::string&) { o.service = "sqlite:"; },
       InstallStatus::kBadArgument,
       {"unknown service"}},
      {"no root", [](InstallationOptions& o, const std::string&) { o.root.clear(); }, InstallStatus::kBadArgument,
       {"no installation root"}},
      {"empty password", [](InstallationOptions& o, const std::string&) { o.password.clear(); },
       InstallStatus::kBadArgument,
       {"must not be empty"}},
      {"connect text over 100 characters",
       [](InstallationOptions& o, const std::string&) { o.password = std::string(90, 'p'); },
       InstallStatus::kBadArgument,
       {"has 111 characters", "at most 100"}},
      {"no tenant", [](InstallationOptions& o, const std::string&) { o.tenants.clear(); },
       InstallStatus::kBadArgument,
       {"no tenant given"}},
      {"tenant name with a blank", [](InstallationOptions& o, const std::string&) { o.tenants = {"MND 1"}; },
       InstallStatus::kBadArgument,
       {"bad tenant name \"MND 1\""}},
      {"tenant name of 21 characters",
       [](InstallationOptions& o, const std::string&) { o.tenants = {"T2345678901234567890X"}; },
       InstallStatus::kBadArgument,
       {"bad tenant name"}},
      {"tenant name with a digit first", [](InstallationOptions& o, const std::string&) { o.tenants = {"1MND"}; },
       InstallStatus::kBadArgument,
       {"bad tenant name"}},
      {"SQLite's own name", [](InstallationOptions& o, const std::string&) { o.tenants = {"Main"}; },
       InstallStatus::kBadArgument,
       {"bad tenant name"}},
      {"tenant given twice", [](InstallationOptions& o, const std::string&) { o.tenants = {"MND01", "mnd01"}; },
       InstallStatus::kBadArgument,
       {"\"mnd01\" given twice"}},
      {"tenant named like the system schema",
       [](InstallationOptions& o, const std::string&) { o.tenants = {"KvSystem"}; },
       InstallStatus::kBadArgument,
       {"\"KvSystem\" given twice"}},
      {"system schema name with a dot",
       [](InstallationOptions& o, const std::string&) { o.system_schema = "KV.SYSTEM"; },
       InstallStatus::kBadArgument,
       {"bad system schema name"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    TempFolder temp;
    InstallationOptions o = DemoOptions(temp.path() + "/root");
    c.change(o, temp.path());
    std::string error;
    EXPECT_EQ(BuildInstallation(o, &error), c.status);
    for (std::string fragment : c.message) {
      if (size_t at = fragment.find("{dir}"); at != std::string::npos) fragment.replace(at, 5, temp.path());
      EXPECT_NE(error.find(fragment), std::string::npos) << "wanted: " << fragment << "\ngot: " << error;
    }
  }
}

// ---------------------------------------------------------------- program

TEST(InstallProgramTest, ExitsWithZeroOnlyWhenItBuilt) {
  TempFolder temp;
  const std::string root = temp.path() + "/root";
  const std::string common = " --service sqlite --login demo --password demo --tenant MND01 --tenant MND02"
                             " --tenant MND03 --schema-dir '" + kSource + "/schema'";
  struct Case {
    std::string args;
    int exit_code;
    const char* output;
  };
  const Case kCases[] = {
      {"--help", 0, "Usage: korvantis-install ROOT"},
      {"", 1, "korvantis-install: missing the installation root"},
      {"'" + root + "'" + common + " --data '" + temp.path() + "/absent.sql'", 1,
       "korvantis-install: cannot read data file"},
      {"'" + root + "'" + common + " --data '" + kDemo + "' --today 2024-03-01", 0, ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.args);
    const std::string command = std::string("'") + KV_INSTALL_BIN + "' " + c.args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[256];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), c.exit_code) << output;
    if (*c.output != '\0') {
      EXPECT_NE(output.find(c.output), std::string::npos) << output;
    }
    if (c.exit_code == 0 && *c.output == '\0') {
      EXPECT_EQ(output, "");
      Db db = OpenDb(root + "/db/KVSYSTEM.sqlite");
      EXPECT_EQ(Query(db.get(), "SELECT count(*) FROM Kvs301Asw"), "34");
    }
  }
}

// ------------------------------------------------------------- PostgreSQL

struct FinishConn {
  void operator()(PGconn* conn) const { PQfinish(conn); }
};
using Conn = std::unique_ptr<PGconn, FinishConn>;

std::string EnvOr(const char* name, const char* fallback) {
  const char* v = std::getenv(name);
  return v ? v : fallback;
}

Conn Connect(const std::string& uri, const std::string& user, const std::string& password) {
  const char* keys[] = {"dbname", "user", "password", "client_encoding", nullptr};
  const char* values[] = {uri.c_str(), user.c_str(), password.c_str(), "UTF8", nullptr};
  Conn conn(PQconnectdbParams(keys, values, 1));
  PQsetNoticeProcessor(conn.get(), [](void*, const char*) {}, nullptr);
  return conn;
}

// The first row's columns joined by '|', or the SQLSTATE prefixed "error ".
std::string PgQuery(PGconn* conn, const std::string& sql) {
  PGresult* res = PQexec(conn, sql.c_str());
  std::string out;
  const ExecStatusType st = PQresultStatus(res);
  if (st == PGRES_TUPLES_OK) {
    for (int i = 0; PQntuples(res) > 0 && i < PQnfields(res); ++i) {
      if (i > 0) out += '|';
      out += PQgetisnull(res, 0, i) ? "NULL" : PQgetvalue(res, 0, i);
    }
  } else if (st != PGRES_COMMAND_OK) {
    const char* state = PQresultErrorField(res, PG_DIAG_SQLSTATE);
    out = std::string("error ") + (state ? state : "?");
  }
  PQclear(res);
  return out;
}


// Each run builds into a database of its own, so that it shares no schema
// with other tests on the same server.
class PostgresInstallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    KV_SKIP_UNLESS_POSTGRES();
    uri_ = EnvOr("KORVANTIS_TEST_PG", "");
    user_ = EnvOr("KORVANTIS_TEST_PG_USER", "");
    password_ = EnvOr("KORVANTIS_TEST_PG_PASSWORD", "");
    admin_ = Connect(uri_, user_, password_);
    ASSERT_EQ(PQstatus(admin_.get()), CONNECTION_OK) << PQerrorMessage(admin_.get());
    database_ = "kvi_" + std::to_string(getpid());
    PgQuery(admin_.get(), "DROP DATABASE IF EXISTS " + database_);
    ASSERT_EQ(PgQuery(admin_.get(), "CREATE DATABASE " + database_ + " ENCODING 'UTF8' TEMPLATE template0"), "");
    test_uri_ = uri_ + (uri_.find('?') == std::string::npos ? "?" : "&") + "dbname=" + database_;
  }
  void TearDown() override {
    if (admin_ && !database_.empty()) PgQuery(admin_.get(), "DROP DATABASE IF EXISTS " + database_ + " WITH (FORCE)");
  }

  InstallationOptions Options() const {
    InstallationOptions o = DemoOptions(root_.path());
    o.service = test_uri_;
    o.login = user_;
    o.password = password_;
    return o;
  }
  Conn Open() const { return Connect(test_uri_, user_, password_); }

  TempFolder root_;
  std::string uri_, user_, password_, database_, test_uri_;
  Conn admin_;
};

TEST_F(PostgresInstallTest, BuildsTheDemo) {
  std::string error;
  ASSERT_EQ(BuildInstallation(Options(), &error), InstallStatus::kOk) << error;
  Conn conn = Open();
  ASSERT_EQ(PQstatus(conn.get()), CONNECTION_OK);
  EXPECT_EQ(PgQuery(conn.get(),
                    "SELECT string_agg(nspname, ',' ORDER BY nspname) FROM pg_namespace "
                    "WHERE nspname IN ('kvsystem', 'mnd01', 'mnd02', 'mnd03')"),
            "kvsystem,mnd01,mnd02,mnd03");
  for (const RowCount& r : kDemoRows) {
    SCOPED_TRACE(std::string(r.schema) + "." + r.table);
    EXPECT_EQ(PgQuery(conn.get(), "SELECT count(*) FROM " + db::ToAsciiLower(r.schema) + "." + r.table), std::to_string(r.rows));
  }
  for (const ValueCase& c : kTokenValues) {
    SCOPED_TRACE(c.query);
    PgQuery(conn.get(), "SET search_path TO " + db::ToAsciiLower(c.schema));
    EXPECT_EQ(PgQuery(conn.get(), c.query), c.expected);
  }
  config::ConfigReadResult result;
  config::ReadConfigValue("", "NET8", 0, (root_.path() + "/files/velastrom.ini").c_str(), &result);
  EXPECT_EQ(std::string(result.ConfigValue), test_uri_);
}

TEST_F(PostgresInstallTest, TypesCollationAndKeysAreThoseTheToolNeeds) {
  std::string error;
  ASSERT_EQ(BuildInstallation(Options(), &error), InstallStatus::kOk) << error;
  Conn conn = Open();
  const ValueCase kCases[] = {
      {"", "SELECT count(*) FROM information_schema.columns WHERE table_schema IN ('kvsystem', 'mnd01') "
           "AND data_type IN ('character varying', 'character', 'text') AND collation_name IS DISTINCT FROM 'C'",
       "0"},
      {"", "SELECT count(*) FROM information_schema.columns WHERE table_schema = 'kvsystem' "
           "AND data_type = 'character'",
       "0"},
      {"", "SELECT string_agg(column_name, ',' ORDER BY column_name) FROM information_schema.columns "
           "WHERE table_schema = 'kvsystem' AND data_type = 'timestamp without time zone' AND datetime_precision = 0",
       "aswgbi,aswgvo"},
      {"", "SELECT count(*) FROM information_schema.columns WHERE table_schema = 'mnd01' "
           "AND data_type = 'timestamp without time zone' AND datetime_precision = 0",
       "8"},
      {"", "SELECT octet_length(StoKtx), length(StoKtx) FROM kvsystem.Kvs113Sto WHERE StoNum = '33'", "10|9"},
      {"", "SELECT string_agg(FtxT50, '|' ORDER BY FtxT50) FROM kvsystem.Kvs102Whl "
           "WHERE FtxSpr = 1 AND FtxWhl IN (2, 8)",
       "Verplant|Überstd."},
      {"", "INSERT INTO kvsystem.Kvs999Tmp (TmpUsr, TmpStr) VALUES ('/tmp/a.dnl', 'LINE 1')", ""},
      {"", "INSERT INTO kvsystem.Kvs999Tmp (TmpUsr, TmpStr) VALUES ('/tmp/a.dnl', 'LINE 1')", "error 23505"},
      {"", "INSERT INTO kvsystem.Kvs999Tmp (TmpUsr, TmpStr) VALUES ('/tmp/b.dnl', 'LINE 1')", ""},
      {"", "SELECT URVGUR, URVVJR FROM mnd01.Kvs332Urv WHERE URVPNR = '1001' AND URVJHR = 2024", "30.00|5.50"},
  };
  for (const ValueCase& c : kCases) {
    SCOPED_TRACE(c.query);
    EXPECT_EQ(PgQuery(conn.get(), c.query), c.expected);
  }
}

TEST_F(PostgresInstallTest, RebuildDropsTheOldSchemas) {
  std::string error;
  ASSERT_EQ(BuildInstallation(Options(), &error), InstallStatus::kOk) << error;
  ASSERT_EQ(BuildInstallation(Options(), &error), InstallStatus::kOk) << error;
  Conn conn = Open();
  EXPECT_EQ(PgQuery(conn.get(), "SELECT count(*) FROM kvsystem.Kvs301Asw"), "34");
}

TEST_F(PostgresInstallTest, RefusedStatementUndoesItsDataFile) {
  const std::string bad = root_.path() + "/bad.sql";
  WriteFile(bad,
            "INSERT INTO KvSystem.Kvs112Mnd (MndNum) VALUES (1);\n"
            "INSERT INTO KvSystem.Kvs000Xyz (a) VALUES (1);\n");
  InstallationOptions o = Options();
  o.data_files = {bad};
  std::string error;
  EXPECT_EQ(BuildInstallation(o, &error), InstallStatus::kSqlError);
  EXPECT_NE(error.find(bad + ":2: "), std::string::npos) << error;
  EXPECT_NE(error.find("kvsystem.kvs000xyz"), std::string::npos) << error;
  Conn conn = Open();
  EXPECT_EQ(PgQuery(conn.get(), "SELECT count(*) FROM kvsystem.Kvs112Mnd"), "0");
}

TEST_F(PostgresInstallTest, WrongPasswordIsRefused) {
  InstallationOptions o = Options();
  o.password = "wrong";
  std::string error;
  EXPECT_EQ(BuildInstallation(o, &error), InstallStatus::kSqlError);
  EXPECT_NE(error.find("cannot connect to the PostgreSQL service"), std::string::npos) << error;
}

}  // namespace
}  // namespace kv::tools
