#include "db/sqlhlp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "db/sql_status.h"
#include "tests/test_installation.h"

namespace kv::db {
namespace {

TEST(UpperCaseTest, OnlyAsciiLowerCaseLettersChange) {
  struct Case {
    const char* in;
    const char* want;
  };
  const Case cases[] = {
      {"", ""},
      {"kvsystem", "KVSYSTEM"},
      {"Mnd_01x", "MND_01X"},
      {"qvdnl31p", "QVDNL31P"},
      {"\xE4\xF6\xFC" "a", "\xE4\xF6\xFC" "A"},  // letters outside ASCII stay
      {"A-z{}`@[", "A-Z{}`@["},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    char buf[32];
    std::strcpy(buf, c.in);
    EXPECT_EQ(UpperCase(buf), buf);
    EXPECT_STREQ(buf, c.want);
  }
}

TEST(ConnectDatabaseTest, ConnectTextOfOneHundredCharactersFitsAndOneMoreIsRefused) {
  // login "/" password "@" service must fit the 101-byte connect field. The
  // embedded engine takes any login, so the login's length sets the total.
  test::TestInstallation inst;
  std::string error;
  ASSERT_TRUE(inst.Create(test::EngineKind::kSqlite, {"MND01"}, "", &error)) << error;
  const std::string& service = inst.absolute_service();
  const std::size_t fixed = 1 + 2 + 1 + service.size();  // "/" "pw" "@" service
  ASSERT_LT(fixed, 100u);
  std::string login100(100 - fixed, 'u'), login101(101 - fixed, 'u');
  EXPECT_EQ(ConnectDatabase(login100.c_str(), "pw", service.c_str(), "KVSYSTEM"), kSqlOk);
  EXPECT_NE(CurrentSession(), nullptr);
  EXPECT_EQ(ConnectDatabase(login101.c_str(), "pw", service.c_str(), "KVSYSTEM"), kSqlNoService);
  EXPECT_EQ(CurrentSession(), nullptr);
}

TEST(ConnectDatabaseTest, UnknownServiceKindGivesNoServiceAndNoSession) {
  for (const char* service : {"", "ORCL", "oracle://host/db", "sqlite"}) {
    SCOPED_TRACE(service);
    EXPECT_EQ(ConnectDatabase("user", "pw", service, "KVSYSTEM"), kSqlNoService);
    EXPECT_EQ(CurrentSession(), nullptr);
  }
}

}  // namespace
}  // namespace kv::db
