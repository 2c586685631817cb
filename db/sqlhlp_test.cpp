#include "db/sqlhlp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "db/sql_status.h"

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

TEST(ConnectDatabaseTest, ConnectTextOverOneHundredCharactersIsRefused) {
  // login "/" password "@" service must fit the 101-byte connect field.
  std::string service = "sqlite:" + std::string(100 - 7 - 4, 'x');  // 4 = "a/b@"
  EXPECT_NE(ConnectDatabase("a", "b", (service + "y").c_str(), "KVSYSTEM"), kSqlOk);
  EXPECT_EQ(ConnectDatabase("a", "b", (service + "y").c_str(), "KVSYSTEM"), kSqlNoService);
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
