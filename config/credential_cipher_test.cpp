// Known answers for the framing come from the published Blowfish vectors,
// rewritten by hand into this framing: each 32-bit half of a vector is
// written least significant byte first. For key 11..11 and plaintext 11..11
// the vector's ciphertext 2466DD87 8B963C9D becomes the text
// "87DD6624" "9D3C968B".
#include "config/credential_cipher.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace kv::config {
namespace {

const char kKey11[] = "\x11\x11\x11\x11\x11\x11\x11\x11";
const char kKey0123[] = "\x01\x23\x45\x67\x89\xAB\xCD\xEF";
const char kKeyF0Seven[] = "\xF0\xE1\xD2\xC3\xB4\xA5\x96";  // 7 bytes, as long as the real key

// The text lives in a heap block of exactly its length plus terminator, so
// the sanitizer build catches any read past the terminator.
std::string Decrypt(const std::string& hex, const char* key, std::size_t out_size = 256) {
  auto text = std::make_unique<char[]>(hex.size() + 1);
  std::memcpy(text.get(), hex.c_str(), hex.size() + 1);
  auto out = std::make_unique<char[]>(out_size);
  std::memset(out.get(), 'x', out_size);
  EXPECT_EQ(DecryptConfigValue(text.get(), out.get(), out_size, key), 1);
  // Everything up to and including the terminator the call must have written.
  const std::size_t end = std::min(hex.size() == 0 ? 0 : ((hex.size() + 15) / 16) * 8,
                                   out_size - 1);
  EXPECT_EQ(out[end], '\0');
  return std::string(out.get(), end);
}

bool ContextIsZero() {
  const BlowfishContext& ctx = CipherContextForTesting();
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&ctx);
  for (std::size_t i = 0; i < sizeof ctx; ++i) {
    if (bytes[i] != 0) return false;
  }
  return true;
}

TEST(CredentialCipherTest, HexToBytesFollowsTheDigitRule) {
  struct Case {
    const char* text;
    unsigned char byte;
  };
  const Case kCases[] = {
      {"00", 0x00}, {"09", 0x09}, {"0A", 0x0A}, {"A0", 0xA0}, {"7F", 0x7F}, {"FF", 0xFF},
      // Lower case: 'a' is 97, v = 49; as first digit 49 * 16 mod 256 = 16.
      {"a0", 0x10}, {"f0", 0x60}, {"0a", 0x31}, {"0f", 0x36},
      {"ff", 0x96},  // (54 * 16 + 54) mod 256 = 150
      {"G0", 0x70},  // 'G' = 71, v = 23, 23 * 16 = 368 mod 256 = 112
      {"0G", 0x17},
      {"0 ", 0xF0},    // ' ' = 32, v = -16 mod 256 = 240
      {" 0", 0x00},    // 240 * 16 mod 256 = 0
      {"@0", 0x00},    // '@' = 64, just below 'A': v = 16, 16 * 16 = 256
      {"0\xFF", 0xCF}, // 255 - 48 = 207
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    unsigned char out[2] = {0xAA, 0xAA};
    HexToBytes(c.text, 2, out);
    EXPECT_EQ(out[0], c.byte);
    EXPECT_EQ(out[1], 0xAA);
  }
}

TEST(CredentialCipherTest, HexToBytesWritesHalfTheCountRoundedDown) {
  unsigned char out[3] = {0xAA, 0xAA, 0xAA};
  HexToBytes("12345", 5, out);
  EXPECT_EQ(out[0], 0x12);
  EXPECT_EQ(out[1], 0x34);
  EXPECT_EQ(out[2], 0xAA);
  HexToBytes("99", 0, out);
  EXPECT_EQ(out[0], 0x12);
}

TEST(CredentialCipherTest, DecipherKnownBlocks) {
  struct Case {
    const char* name;
    const char* key;
    std::string hex;
    std::string plain;
  };
  const Case kCases[] = {
      {"key 11, one block", kKey11, "87DD66249D3C968B", std::string(8, '\x11')},
      // Vector 11..11 / 01234567 89ABCDEF -> 7D0CC630 AFDA1EC7: the byte order
      // inside each half shows here.
      {"key 11, halves little-endian", kKey11, "30C60C7DC71EDAAF",
       std::string("\x67\x45\x23\x01\xEF\xCD\xAB\x89", 8)},
      {"key 11, two blocks, no chaining", kKey11, "87DD66249D3C968B30C60C7DC71EDAAF",
       std::string(8, '\x11') + std::string("\x67\x45\x23\x01\xEF\xCD\xAB\x89", 8)},
      {"key 0123..EF", kKey0123, "80C3F96196B08122", std::string(8, '\x11')},
      // Key-length vector 7: F0E1D2C3B4A596 / FEDCBA98 76543210 -> 8BB77032 F960629D.
      {"seven-byte key", kKeyF0Seven, "3270B78B9D6260F9",
       std::string("\x98\xBA\xDC\xFE\x10\x32\x54\x76", 8)},
      // 0123..EF / zeros -> 24594688 5754369A: 16 bytes, first zero ends the text.
      {"zero block first", kKey0123, "884659249A36545780C3F96196B08122",
       std::string(8, '\0') + std::string(8, '\x11')},
      {"empty text", kKey11, "", ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Decrypt(c.hex, c.key), c.plain);
    EXPECT_TRUE(ContextIsZero());
  }
}

TEST(CredentialCipherTest, EncipherKnownBlocks) {
  EXPECT_EQ(EncryptConfigValue(std::string(8, '\x11'), kKey11), "87DD66249D3C968B");
  EXPECT_EQ(EncryptConfigValue(std::string("\x67\x45\x23\x01\xEF\xCD\xAB\x89", 8), kKey11),
            "30C60C7DC71EDAAF");
  EXPECT_EQ(EncryptConfigValue(std::string(8, '\x11'), kKey0123), "80C3F96196B08122");
  // A short value is completed with zero bytes, so one zero byte is the
  // all-zero block: 0123..EF enciphers it to 24594688 5754369A.
  EXPECT_EQ(EncryptConfigValue(std::string(1, '\0'), kKey0123), "884659249A365457");
  EXPECT_EQ(EncryptConfigValue("", kKey11), "");
  EXPECT_TRUE(ContextIsZero());
}

TEST(CredentialCipherTest, RoundTripWithTheConfigurationKey) {
  struct Case {
    const char* name;
    std::string plain;
  };
  const Case kCases[] = {
      {"one block exactly", "kvuser01"},
      {"short", "KV"},
      {"several blocks", "sqlite:/srv/velastrom/db/system.sqlite"},
      {"with separators", "ge;heim;"},
      {"empty", ""},
      {"high bytes", "Pr\xFC" "fer\xE4"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string hex = EncryptConfigValue(c.plain);
    EXPECT_TRUE(ContextIsZero());
    EXPECT_EQ(hex.size(), (c.plain.size() + 7) / 8 * 16);
    EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(Decrypt(hex, kConfigCipherKey), c.plain + std::string(hex.size() / 2 - c.plain.size(), '\0'));
    EXPECT_TRUE(ContextIsZero());
  }
}

TEST(CredentialCipherTest, LowerCaseDigitsDecipherToOtherBytes) {
  const std::string upper = Decrypt("87DD66249D3C968B", kKey11);
  const std::string lower = Decrypt("87dd66249d3c968b", kKey11);
  EXPECT_EQ(upper, std::string(8, '\x11'));
  EXPECT_NE(lower, upper);
  // The digit rule read by hand: 87 dd 66 24 9d 3c 96 8b are the bytes
  // 87 74 66 24 C4 63 96 B2, so the lower-case text is that upper-case one.
  EXPECT_EQ(lower, Decrypt("87746624C46396B2", kKey11));
}

// Texts that are not whole blocks of hex: nothing is read past the
// terminator (sanitizer build), and a partial last group reads as if
// completed with '0' characters.
TEST(CredentialCipherTest, PartialLastGroupIsCompletedWithZeroDigits) {
  struct Case {
    const char* name;
    std::string hex;
    std::string padded;
  };
  const Case kCases[] = {
      {"one digit", "8", "8000000000000000"},
      {"fifteen digits", "87DD66249D3C968", "87DD66249D3C9680"},
      {"seventeen digits", "87DD66249D3C968B8", "87DD66249D3C968B8000000000000000"},
      {"odd length, non-hex", "87DD66249D3C968B;x?", "87DD66249D3C968B;x?0000000000000"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string got = Decrypt(c.hex, kKey11);
    EXPECT_EQ(got.size(), (c.hex.size() + 15) / 16 * 8);
    EXPECT_EQ(got, Decrypt(c.padded, kKey11));
    EXPECT_TRUE(ContextIsZero());
  }
  // The whole first block is still the known one.
  EXPECT_EQ(Decrypt("87DD66249D3C968B8", kKey11).substr(0, 8), std::string(8, '\x11'));
}

TEST(CredentialCipherTest, SmallOutputIsCutAndTerminated) {
  struct Case {
    std::size_t out_size;
    std::string expected;
  };
  const Case kCases[] = {
      {17, std::string(8, '\x11') + std::string("\x67\x45\x23\x01\xEF\xCD\xAB\x89", 8)},
      {9, std::string(8, '\x11')},
      {5, std::string(4, '\x11')},
      {1, ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.out_size);
    EXPECT_EQ(Decrypt("87DD66249D3C968B30C60C7DC71EDAAF", kKey11, c.out_size), c.expected);
    EXPECT_TRUE(ContextIsZero());
  }
  char untouched = 'x';
  DecryptConfigValue("87DD66249D3C968B", &untouched, 0, kKey11);
  EXPECT_EQ(untouched, 'x');
  EXPECT_TRUE(ContextIsZero());
}

TEST(CredentialCipherTest, NullTextReadsAsEmpty) {
  char out[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(DecryptConfigValue(nullptr, out, sizeof out, kKey11), 1);
  EXPECT_EQ(out[0], '\0');
  EXPECT_TRUE(ContextIsZero());
}

}  // namespace
}  // namespace kv::config
