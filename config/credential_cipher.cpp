#include "config/credential_cipher.h"

#include <cstdint>
#include <cstring>

namespace kv::config {

namespace {

constexpr std::size_t kDigitsPerBlock = 16;
constexpr std::size_t kBytesPerBlock = 8;

// One context for the whole module; it holds key material only while a call
// is running.
BlowfishContext g_context;

void SetUpContext(const char* key) {
  const std::size_t length = key == nullptr ? 0 : std::strlen(key);
  BlowfishInit(&g_context, reinterpret_cast<const unsigned char*>(key),
               static_cast<int>(length));
}

// Volatile stores, so the wipe is not dropped as a dead store.
void WipeContext() {
  volatile unsigned char* bytes = reinterpret_cast<volatile unsigned char*>(&g_context);
  for (std::size_t i = 0; i < sizeof g_context; ++i) bytes[i] = 0;
}

unsigned char DigitValue(unsigned char k) {
  return k >= 'A' && k <= 'F' ? static_cast<unsigned char>(k - 55)
                              : static_cast<unsigned char>(k - 48);
}

std::uint32_t LittleEndianWord(const unsigned char* b) {
  return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
         std::uint32_t{b[3]} << 24;
}

void PutLittleEndianWord(std::uint32_t w, unsigned char* b) {
  for (int i = 0; i < 4; ++i) b[i] = static_cast<unsigned char>(w >> (8 * i));
}

}  // namespace

void HexToBytes(const char* text, int count, unsigned char* out) {
  for (int i = 0; i + 1 < count; i += 2) {
    const unsigned char high = DigitValue(static_cast<unsigned char>(text[i]));
    const unsigned char low = DigitValue(static_cast<unsigned char>(text[i + 1]));
    out[i / 2] = static_cast<unsigned char>(high * 16 + low);
  }
}

int DecryptConfigValue(const char* hex, char* out, std::size_t out_size, const char* key) {
  SetUpContext(key);
  const char* text = hex == nullptr ? "" : hex;
  // Bytes that fit before the terminator's place.
  const std::size_t room = out_size == 0 ? 0 : out_size - 1;
  std::size_t written = 0;
  std::size_t p = 0;
  bool at_end = text[0] == '\0';
  while (!at_end) {
    char group[kDigitsPerBlock];
    std::memset(group, '0', sizeof group);
    for (std::size_t i = 0; i < kDigitsPerBlock; ++i) {
      if (text[p + i] == '\0') {
        at_end = true;
        break;
      }
      group[i] = text[p + i];
    }
    if (!at_end) at_end = text[p + kDigitsPerBlock] == '\0';

    unsigned char block[kBytesPerBlock];
    HexToBytes(group, static_cast<int>(kDigitsPerBlock), block);
    std::uint32_t l = LittleEndianWord(block);
    std::uint32_t r = LittleEndianWord(block + 4);
    BlowfishDecipher(&g_context, &l, &r);
    PutLittleEndianWord(l, block);
    PutLittleEndianWord(r, block + 4);

    for (std::size_t i = 0; i < kBytesPerBlock && written < room; ++i) {
      out[written++] = static_cast<char>(block[i]);
    }
    p += kDigitsPerBlock;
  }
  if (out_size > 0) out[written] = '\0';
  WipeContext();
  return 1;
}

std::string EncryptConfigValue(std::string_view plain, const char* key) {
  static const char kDigits[] = "0123456789ABCDEF";
  SetUpContext(key);
  std::string hex;
  hex.reserve((plain.size() + kBytesPerBlock - 1) / kBytesPerBlock * kDigitsPerBlock);
  for (std::size_t p = 0; p < plain.size(); p += kBytesPerBlock) {
    unsigned char block[kBytesPerBlock] = {};
    for (std::size_t i = 0; i < kBytesPerBlock && p + i < plain.size(); ++i) {
      block[i] = static_cast<unsigned char>(plain[p + i]);
    }
    std::uint32_t l = LittleEndianWord(block);
    std::uint32_t r = LittleEndianWord(block + 4);
    BlowfishEncipher(&g_context, &l, &r);
    PutLittleEndianWord(l, block);
    PutLittleEndianWord(r, block + 4);
    for (unsigned char b : block) {
      hex.push_back(kDigits[b >> 4]);
      hex.push_back(kDigits[b & 0xF]);
    }
  }
  WipeContext();
  return hex;
}

const BlowfishContext& CipherContextForTesting() { return g_context; }

}  // namespace kv::config
