#include "tools/date_tokens.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace kv::tools {
namespace {

std::chrono::year_month_day ToYmd(const LocalDate& d) {
  return std::chrono::year_month_day{std::chrono::year{d.year},
                                     std::chrono::month{static_cast<unsigned>(d.month)},
                                     std::chrono::day{static_cast<unsigned>(d.day)}};
}

LocalDate FromYmd(const std::chrono::year_month_day& ymd) {
  return LocalDate{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                   static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

LocalDate TodayLocal() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return LocalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

bool ParseIsoDate(std::string_view text, LocalDate* date) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  for (size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
    if (!IsDigit(text[i])) return false;
  auto number = [&](size_t from, size_t count) {
    int v = 0;
    for (size_t i = from; i < from + count; ++i) v = v * 10 + (text[i] - '0');
    return v;
  };
  LocalDate parsed{number(0, 4), number(5, 2), number(8, 2)};
  if (parsed.month < 1 || parsed.month > 12 || parsed.day < 1 || parsed.day > 31) return false;
  if (!ToYmd(parsed).ok()) return false;
  *date = parsed;
  return true;
}

std::string FormatIsoDate(const LocalDate& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

LocalDate AddDays(const LocalDate& date, int days) {
  std::chrono::sys_days day{ToYmd(date)};
  return FromYmd(std::chrono::year_month_day{day + std::chrono::days{days}});
}

std::string ExpandDateTokens(std::string_view text, const LocalDate& today) {
  char year[16];
  std::snprintf(year, sizeof year, "%04d", today.year);
  const struct {
    std::string_view token;
    std::string value;
  } kTokens[] = {
      {"{{TODAY}}", FormatIsoDate(today)},
      {"{{YESTERDAY}}", FormatIsoDate(AddDays(today, -1))},
      {"{{TOMORROW}}", FormatIsoDate(AddDays(today, 1))},
      {"{{YEAR}}", year},
  };
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    size_t open = text.find("{{", pos);
    if (open == std::string_view::npos) break;
    out.append(text, pos, open - pos);
    bool replaced = false;
    for (const auto& t : kTokens) {
      if (text.substr(open, t.token.size()) == t.token) {
        out += t.value;
        pos = open + t.token.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) {
      out += "{{";
      pos = open + 2;
    }
  }
  out.append(text, pos, std::string_view::npos);
  return out;
}

}  // namespace kv::tools
