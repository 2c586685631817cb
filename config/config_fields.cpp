#include "config/config_fields.h"

#include <cstring>

namespace kv::config {

namespace {

// Copies at most limit characters of [begin, end) into out (limit + 1
// bytes); returns whether it had to cut.
bool CopyField(const char* begin, const char* end, char* out, std::size_t limit) {
  std::size_t length = static_cast<std::size_t>(end - begin);
  const bool cut = length > limit;
  if (cut) length = limit;
  std::memcpy(out, begin, length);
  out[length] = '\0';
  return cut;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

void ClearConfigEntryFields(ConfigEntryFields* fields) { std::memset(fields, 0, sizeof *fields); }

void SplitHeaderLine(const char* header, ConfigEntryFields* fields) {
  fields->group[0] = '\0';
  fields->group_cut = false;
  const char* first = std::strchr(header, ';');
  const char* second = first == nullptr ? nullptr : std::strchr(first + 1, ';');
  fields->header_short = second == nullptr;
  if (second != nullptr) {
    fields->group_cut = CopyField(first + 1, second, fields->group, kFieldLimit);
  }
}

void SplitValueLine(const char* value_line, ConfigEntryFields* fields) {
  const char* end = value_line + std::strlen(value_line);
  const char* first = std::strchr(value_line, ';');
  const char* second = first == nullptr ? nullptr : std::strchr(first + 1, ';');

  const char* number_end = first == nullptr ? end : first;
  char number_text[kNumberFieldLimit + 1];
  fields->number_cut = CopyField(value_line, number_end, number_text, kNumberFieldLimit);
  fields->number = ConvertConfigNumber(number_text, kNumberFieldLimit);

  fields->value_line_short = second == nullptr;
  fields->key[0] = '\0';
  fields->value[0] = '\0';
  fields->key_cut = false;
  fields->value_cut = false;
  if (second != nullptr) {
    fields->key_cut = CopyField(first + 1, second, fields->key, kFieldLimit);
    fields->value_cut = CopyField(second + 1, end, fields->value, kFieldLimit);
  }
}

std::int32_t ConvertConfigNumber(const char* text, std::size_t length) {
  constexpr std::int64_t kMax = 2147483647;
  std::size_t i = 0;
  while (i < length && text[i] != '\0' && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < length && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Magnitudes are kept at most one past the limit, so nothing overflows.
  std::int64_t magnitude = 0;
  while (i < length && text[i] >= '0' && text[i] <= '9') {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > kMax + 1) magnitude = kMax + 1;
    ++i;
  }
  if (negative) return static_cast<std::int32_t>(-magnitude);
  return static_cast<std::int32_t>(magnitude > kMax ? kMax : magnitude);
}

}  // namespace kv::config
