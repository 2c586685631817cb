#include "db/sql_runtime.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace kv::db {
namespace {

TEST(HostVarTest, OutputTextIsCutToWidthMinusOneAndTerminated) {
  struct Case {
    const char* name;
    SqlValue value;
    int width;
    std::string want;
  };
  const Case cases[] = {
      {"shorter", std::string("AB"), 6, "AB"},
      {"width minus one", std::string("ABCDE"), 6, "ABCDE"},
      {"exactly width", std::string("ABCDEF"), 6, "ABCDE"},
      {"much longer", std::string("ABCDEFGHIJ"), 4, "ABC"},
      {"no blank padding", std::string("A"), 6, "A"},
      {"trailing blanks kept", std::string("0  "), 6, "0  "},
      {"empty text", std::string(""), 6, ""},
      {"NULL keeps the old value", std::nullopt, 6, "OLD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    char buf[16];
    std::memset(buf, 'X', sizeof buf);
    std::strcpy(buf, "OLD");
    EXPECT_EQ(AssignOutput(c.value, TextVar(buf, c.width)), kSqlOk);
    EXPECT_EQ(std::string(buf), c.want);
    // Nothing past the variable's width is touched.
    for (int i = c.width; i < 16; ++i) EXPECT_EQ(buf[i], 'X') << i;
  }
}

TEST(HostVarTest, NumericOutputsTakeTheDecimalTextOrStayOnNull) {
  struct Case {
    const char* name;
    SqlValue value;
    int rc;
    std::int32_t want_int;
  };
  const Case cases[] = {
      {"integer", std::string("42"), kSqlOk, 42},
      {"negative", std::string("-7"), kSqlOk, -7},
      {"fraction truncated", std::string("2.9"), kSqlOk, 2},
      {"bigint count", std::string("2147483647"), kSqlOk, 2147483647},
      {"too large", std::string("2147483648"), kSqlIntOverflow, 5},
      {"not a number", std::string("abc"), kSqlIntOverflow, 5},
      {"NULL", std::nullopt, kSqlOk, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::int32_t v = 5;
    EXPECT_EQ(AssignOutput(c.value, IntVar(&v)), c.rc);
    EXPECT_EQ(v, c.want_int);
  }
  double d = 1.5;
  EXPECT_EQ(AssignOutput(std::string("12.75"), DoubleVar(&d)), kSqlOk);
  EXPECT_DOUBLE_EQ(d, 12.75);
  EXPECT_EQ(AssignOutput(std::nullopt, DoubleVar(&d)), kSqlOk);
  EXPECT_DOUBLE_EQ(d, 12.75);
}

TEST(HostVarTest, InputTextIsReadToItsTerminatorAndEmptyBindsNull) {
  char text[8] = "AB\0CD";
  BindValue b = ToBindValue(InText(text, 8));
  EXPECT_EQ(b.kind, BindValue::Kind::kText);
  EXPECT_EQ(b.text, "AB");

  BindValue empty = ToBindValue(InText("", 8));
  EXPECT_EQ(empty.kind, BindValue::Kind::kNull);

  // A field without a terminator is never read past its width.
  char full[4] = {'W', 'X', 'Y', 'Z'};
  BindValue cut = ToBindValue(InText(full, 4));
  EXPECT_EQ(cut.text, "WXYZ");

  std::int32_t n = -3;
  BindValue i = ToBindValue(InInt(&n));
  EXPECT_EQ(i.kind, BindValue::Kind::kInt);
  EXPECT_EQ(i.i, -3);
}

}  // namespace
}  // namespace kv::db
