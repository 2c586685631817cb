// The date tokens of installation data files. A data file names dates
// relative to the day it is loaded, so that a demo installation's daily
// balances (yesterday) and vacation account (this year) stay current.
#ifndef KORVANTIS_TOOLS_DATE_TOKENS_H_
#define KORVANTIS_TOOLS_DATE_TOKENS_H_

#include <string>
#include <string_view>

namespace kv::tools {

struct LocalDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
};

// The local calendar date of the machine.
LocalDate TodayLocal();

// True for a valid calendar date written exactly 'YYYY-MM-DD'.
bool ParseIsoDate(std::string_view text, LocalDate* date);

// 'YYYY-MM-DD'.
std::string FormatIsoDate(const LocalDate& date);

// The date `days` calendar days later (earlier when negative).
LocalDate AddDays(const LocalDate& date, int days);

// Replaces every {{TODAY}}, {{YESTERDAY}} and {{TOMORROW}} by its date as
// 'YYYY-MM-DD' and every {{YEAR}} by the year of `today` in four digits.
// Any other text, including unknown {{...}} tokens, is kept as it stands.
std::string ExpandDateTokens(std::string_view text, const LocalDate& today);

}  // namespace kv::tools

#endif  // KORVANTIS_TOOLS_DATE_TOKENS_H_
