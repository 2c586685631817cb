#include "tools/date_tokens.h"

#include <gtest/gtest.h>

#include <string>

namespace kv::tools {
namespace {

TEST(DateTokensTest, AddDaysCrossesMonthsYearsAndLeapDays) {
  struct Case {
    LocalDate from;
    int days;
    const char* expected;
  };
  const Case kCases[] = {
      {{2024, 3, 1}, -1, "2024-02-29"},   // leap year
      {{2023, 3, 1}, -1, "2023-02-28"},
      {{2100, 3, 1}, -1, "2100-02-28"},   // century, not a leap year
      {{2000, 2, 28}, 1, "2000-02-29"},   // 400-year leap year
      {{2025, 12, 31}, 1, "2026-01-01"},
      {{2026, 1, 1}, -1, "2025-12-31"},
      {{2026, 12, 11}, 0, "2026-12-11"},
      {{2026, 4, 30}, 1, "2026-05-01"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(FormatIsoDate(c.from) + " + " + std::to_string(c.days));
    EXPECT_EQ(FormatIsoDate(AddDays(c.from, c.days)), c.expected);
  }
}

TEST(DateTokensTest, ParseIsoDateTakesOnlyRealDatesInTheOneForm) {
  struct Case {
    const char* text;
    bool ok;
  };
  const Case kCases[] = {
      {"2024-02-29", true},   {"2023-02-29", false}, {"2026-12-11", true},  {"2026-13-01", false},
      {"2026-00-10", false},  {"2026-04-31", false}, {"2026-12-1", false},  {"2026/12/11", false},
      {"2026-12-11 ", false}, {"", false},           {"20261211", false},   {"2026-1a-11", false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    LocalDate date{1, 1, 1};
    EXPECT_EQ(ParseIsoDate(c.text, &date), c.ok);
    if (c.ok) {
      EXPECT_EQ(FormatIsoDate(date), c.text);
    }
  }
}

TEST(DateTokensTest, ExpandDateTokensReplacesTheFourTokensOnly) {
  struct Case {
    LocalDate today;
    const char* text;
    const char* expected;
  };
  const Case kCases[] = {
      {{2024, 3, 1}, "'{{YESTERDAY}} 00:00:00'", "'2024-02-29 00:00:00'"},
      {{2024, 3, 1}, "'{{TODAY}} 08:00:00'", "'2024-03-01 08:00:00'"},
      {{2025, 12, 31}, "'{{TOMORROW}} 00:00:00'", "'2026-01-01 00:00:00'"},
      {{2025, 12, 31}, "({{YEAR}}, {{YEAR}} - 1)", "(2025, 2025 - 1)"},
      {{2026, 1, 1}, "{{YESTERDAY}}{{TODAY}}", "2025-12-312026-01-01"},
      {{2026, 1, 1}, "{{today}} {{WEEK}} {TODAY} {{YEAR}", "{{today}} {{WEEK}} {TODAY} {{YEAR}"},
      {{2026, 1, 1}, "{{{{YEAR}}}}", "{{2026}}"},
      {{2026, 1, 1}, "", ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ExpandDateTokens(c.text, c.today), c.expected);
  }
}

}  // namespace
}  // namespace kv::tools
