#include "config/blowfish.h"

#include <cstring>

#include "config/blowfish_tables.h"

namespace kv::config {

namespace {

constexpr int kRounds = 16;

}  // namespace

std::uint32_t BlowfishF(const BlowfishContext* ctx, std::uint32_t x) {
  const std::uint32_t a = (x >> 24) & 0xFFu;
  const std::uint32_t b = (x >> 16) & 0xFFu;
  const std::uint32_t c = (x >> 8) & 0xFFu;
  const std::uint32_t d = x & 0xFFu;
  return ((ctx->S[0][a] + ctx->S[1][b]) ^ ctx->S[2][c]) + ctx->S[3][d];
}

void BlowfishEncipher(const BlowfishContext* ctx, std::uint32_t* l, std::uint32_t* r) {
  std::uint32_t left = *l;
  std::uint32_t right = *r;
  for (int i = 0; i < kRounds; ++i) {
    left ^= ctx->P[i];
    right ^= BlowfishF(ctx, left);
    const std::uint32_t swap = left;
    left = right;
    right = swap;
  }
  // Undo the exchange of the last round.
  const std::uint32_t swap = left;
  left = right;
  right = swap;
  right ^= ctx->P[kRounds];
  left ^= ctx->P[kRounds + 1];
  *l = left;
  *r = right;
}

void BlowfishDecipher(const BlowfishContext* ctx, std::uint32_t* l, std::uint32_t* r) {
  std::uint32_t left = *l;
  std::uint32_t right = *r;
  for (int i = kRounds + 1; i > 1; --i) {
    left ^= ctx->P[i];
    right ^= BlowfishF(ctx, left);
    const std::uint32_t swap = left;
    left = right;
    right = swap;
  }
  const std::uint32_t swap = left;
  left = right;
  right = swap;
  right ^= ctx->P[1];
  left ^= ctx->P[0];
  *l = left;
  *r = right;
}

void BlowfishInit(BlowfishContext* ctx, const unsigned char* key, int key_len) {
  std::memcpy(ctx->P, kBlowfishInitialP, sizeof ctx->P);
  std::memcpy(ctx->S, kBlowfishInitialS, sizeof ctx->S);

  if (key != nullptr && key_len > 0) {
    int k = 0;
    for (int i = 0; i < kRounds + 2; ++i) {
      std::uint32_t word = 0;
      for (int n = 0; n < 4; ++n) {
        word = (word << 8) | key[k];
        k = (k + 1) % key_len;
      }
      ctx->P[i] ^= word;
    }
  }

  std::uint32_t l = 0;
  std::uint32_t r = 0;
  for (int i = 0; i < kRounds + 2; i += 2) {
    BlowfishEncipher(ctx, &l, &r);
    ctx->P[i] = l;
    ctx->P[i + 1] = r;
  }
  for (int box = 0; box < 4; ++box) {
    for (int j = 0; j < 256; j += 2) {
      BlowfishEncipher(ctx, &l, &r);
      ctx->S[box][j] = l;
      ctx->S[box][j + 1] = r;
    }
  }
}

}  // namespace kv::config
