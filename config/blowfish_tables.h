// The standard initial tables that every Blowfish key schedule starts from.
#ifndef KORVANTIS_CONFIG_BLOWFISH_TABLES_H_
#define KORVANTIS_CONFIG_BLOWFISH_TABLES_H_

#include <cstdint>

namespace kv::config {

extern const std::uint32_t kBlowfishInitialP[18];
extern const std::uint32_t kBlowfishInitialS[4][256];

}  // namespace kv::config

#endif  // KORVANTIS_CONFIG_BLOWFISH_TABLES_H_
