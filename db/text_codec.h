// Text crosses the engine boundary in Windows-1252, one byte per character;
// the databases hold UTF-8.
#ifndef KORVANTIS_DB_TEXT_CODEC_H_
#define KORVANTIS_DB_TEXT_CODEC_H_

#include <string>
#include <string_view>

namespace kv::db {

// Every byte has a form: the five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of the same number.
std::string Cp1252ToUtf8(std::string_view text);

// A character without a Windows-1252 form, and every malformed UTF-8
// sequence, becomes "?".
std::string Utf8ToCp1252(std::string_view text);

}  // namespace kv::db

#endif  // KORVANTIS_DB_TEXT_CODEC_H_
