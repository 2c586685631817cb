#include "run/function_code.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace kv::run {
namespace {

TEST(FunctionCodeTest, TableHoldsTheFiveCodesWithTheirRecordLengthsInDispatchOrder) {
  struct Row {
    const char* code;
    int record_length;
    bool is_id_master;
  };
  const Row want[] = {{"QVDNL17P", 85, false},
                      {"QVDNL18P", 173, false},
                      {"QVDNL31P", 48, false},
                      {"QVDNL60P", 45, false},
                      {"IDSTAMM", 0, true}};
  auto table = FunctionCodeTable();
  ASSERT_EQ(table.size(), std::size(want));
  for (std::size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(want[i].code);
    EXPECT_STREQ(table[i].code, want[i].code);
    EXPECT_EQ(table[i].record_length, want[i].record_length);
    EXPECT_EQ(table[i].is_id_master, want[i].is_id_master);
  }
}

TEST(FunctionCodeTest, CodesOutsideTheTableSelectNothing) {
  // Compared exactly: the run upper-cases the code before the first dispatch.
  for (const char* code : {"", "QVDNL99P", "qvdnl31p", "QVDNL31", "QVDNL31P ", "IDSTAMMX"}) {
    SCOPED_TRACE(code);
    RunContext ctx;
    std::strcpy(ctx.FunctionCode, code);
    DispatchFunction(&ctx, "MND01");
    EXPECT_EQ(ctx.RecordLength, 0);
    EXPECT_FALSE(ctx.IsIdMaster);
  }
}

}  // namespace
}  // namespace kv::run
