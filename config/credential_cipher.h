// Configuration values are Blowfish-enciphered and stored as upper-case
// hexadecimal text. This is the framing around the block cipher: 16 hex
// digits make one 8-byte block, each 32-bit half is little-endian (unlike the
// usual big-endian convention), blocks stand alone (no chaining), and the
// deciphered bytes are followed by one zero byte.
//
// Inputs the framing itself leaves undefined are given a safe meaning here:
// - A text whose length is not a multiple of 16: the last, partial group is
//   completed with '0' characters and deciphered as a full block. Nothing is
//   read past the text's terminator; the output gets a whole block for it.
// - Characters other than 0-9 and A-F: decoded by the HexToBytes rule below
//   (so lower-case a-f give other bytes than A-F); never an error.
// - An output buffer smaller than (blocks x 8) + 1 bytes: the output is cut
//   at out_size - 1 bytes and always terminated; out_size 0 writes nothing.
// - A null text or key counts as the empty text.
#ifndef KORVANTIS_CONFIG_CREDENTIAL_CIPHER_H_
#define KORVANTIS_CONFIG_CREDENTIAL_CIPHER_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "config/blowfish.h"

namespace kv::config {

// The key every configuration value is enciphered with; its 7 characters are
// the key bytes, the terminator is not.
inline constexpr char kConfigCipherKey[] = "QUERLAN";

// Writes count / 2 bytes: for each pair (h, l) the byte (v(h) * 16 + v(l))
// mod 256, with v(k) = k - 55 for 'A'..'F' and k - 48 for every other code,
// in 8-bit arithmetic. Lower-case 'a'..'f' are not hex digits under this
// rule: first digit 1 to 6, second digit 49 to 54. Reads exactly count
// characters of text; count < 0 counts as 0.
void HexToBytes(const char* text, int count, unsigned char* out);

// Deciphers hex with key into out (see the header comment for odd input).
// The module's cipher context is set up at the start and zeroed at the end
// of every call. Always returns 1.
int DecryptConfigValue(const char* hex, char* out, std::size_t out_size, const char* key);

// The forward direction, for writing configuration files: plain cut into
// 8-byte blocks, the last one completed with zero bytes, little-endian
// halves, upper-case hex. The empty value gives the empty text; a value of a
// whole number of blocks takes no extra block (the decipher's closing zero
// byte ends it). A value holding a zero byte deciphers only up to it.
std::string EncryptConfigValue(std::string_view plain, const char* key = kConfigCipherKey);

// The module's cipher context, for tests that check it holds no key
// material between calls.
const BlowfishContext& CipherContextForTesting();

}  // namespace kv::config

#endif  // KORVANTIS_CONFIG_CREDENTIAL_CIPHER_H_
