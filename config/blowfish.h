// The Blowfish block cipher: 64-bit blocks as two 32-bit halves, 16 rounds,
// keys of 1 to 56 bytes. The framing of configuration values around it lives
// in credential_cipher.h.
#ifndef KORVANTIS_CONFIG_BLOWFISH_H_
#define KORVANTIS_CONFIG_BLOWFISH_H_

#include <cstdint>

namespace kv::config {

struct BlowfishContext {
  std::uint32_t P[18];
  std::uint32_t S[4][256];
};
static_assert(sizeof(BlowfishContext) == 4168);

// Sets up ctx for the key: the standard tables, the key bytes folded into the
// P-array (four at a time, first byte most significant, taken in a cycle),
// then 521 encipherments that replace P and the S-boxes.
// A null key or key_len <= 0 folds in nothing (all key words are zero).
void BlowfishInit(BlowfishContext* ctx, const unsigned char* key, int key_len);

// One block each; l and r are updated in place.
void BlowfishEncipher(const BlowfishContext* ctx, std::uint32_t* l, std::uint32_t* r);
void BlowfishDecipher(const BlowfishContext* ctx, std::uint32_t* l, std::uint32_t* r);

// The round function: ((S0[a] + S1[b]) ^ S2[c]) + S3[d], a the top byte of x.
std::uint32_t BlowfishF(const BlowfishContext* ctx, std::uint32_t x);

}  // namespace kv::config

#endif  // KORVANTIS_CONFIG_BLOWFISH_H_
