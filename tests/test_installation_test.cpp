#include "tests/test_installation.h"

#include <gtest/gtest.h>

namespace kv::test {
namespace {

TEST(TestInstallationTest, WithDatabaseReplacesOrAddsTheDatabaseOfAUri) {
  struct Case {
    const char* uri;
    const char* want;
  };
  const Case cases[] = {
      {"postgresql://?service=kvtest", "postgresql:///kvt_1?service=kvtest"},
      {"postgresql:///korvantis?service=kvtest", "postgresql:///kvt_1?service=kvtest"},
      {"postgresql://dbhost:5432/postgres", "postgresql://dbhost:5432/kvt_1"},
      {"postgres://u@dbhost/postgres?sslmode=disable", "postgres://u@dbhost/kvt_1?sslmode=disable"},
      {"postgresql://dbhost", "postgresql://dbhost/kvt_1"},
      {"postgresql://%2Ftmp%2Fpg:5432/db?connect_timeout=3", "postgresql://%2Ftmp%2Fpg:5432/kvt_1?connect_timeout=3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.uri);
    EXPECT_EQ(WithDatabase(c.uri, "kvt_1"), c.want);
  }
}

}  // namespace
}  // namespace kv::test
