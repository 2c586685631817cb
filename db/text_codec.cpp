#include "db/text_codec.h"

#include <cstddef>
#include <cstdint>

namespace kv::db {
namespace {

// Code points of the bytes 0x80..0x9F. The five bytes that Windows-1252
// leaves undefined keep their own number, so that every byte survives the
// trip through the database.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

void AppendUtf8(char32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    // Windows-1252 reaches no further than the Basic Multilingual Plane.
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// The Windows-1252 byte of a code point, or '?' when it has none.
char ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < 32; ++i) {
    if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Decodes the sequence that starts at text[*pos] and advances past it. A
// lead byte and the continuation bytes that follow it, at most as many as it
// announces, form one sequence; when that sequence is truncated, overlong, a
// surrogate or beyond U+10FFFF, the result is false.
bool DecodeUtf8(std::string_view text, std::size_t* pos, char32_t* cp) {
  const auto lead = static_cast<unsigned char>(text[*pos]);
  ++*pos;
  std::size_t extra;
  char32_t value;
  char32_t minimum;
  if (lead < 0x80) {
    *cp = lead;
    return true;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    value = lead & 0x1F;
    minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    value = lead & 0x0F;
    minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    value = lead & 0x07;
    minimum = 0x10000;
  } else {
    return false;  // a stray continuation byte, or 0xF8..0xFF
  }
  std::size_t got = 0;
  while (got < extra && *pos < text.size() &&
         IsContinuation(static_cast<unsigned char>(text[*pos]))) {
    value = (value << 6) | (static_cast<unsigned char>(text[*pos]) & 0x3F);
    ++*pos;
    ++got;
  }
  if (got < extra) return false;
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
  *cp = value;
  return true;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) AppendUtf8(CodePointOf(static_cast<unsigned char>(c)), &out);
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    char32_t cp = 0;
    out.push_back(DecodeUtf8(text, &pos, &cp) ? ByteOf(cp) : '?');
  }
  return out;
}

}  // namespace kv::db
