// Host variables: the fixed-width fields through which statements receive
// their inputs and deliver their outputs. Bound by position.
#ifndef KORVANTIS_DB_HOST_VAR_H_
#define KORVANTIS_DB_HOST_VAR_H_

#include <cstdint>

namespace kv::db {

enum class HostType { kText, kInt32, kDouble };

// A text's width counts its terminator: an output text receives at most
// width - 1 characters. Inputs are only read; outputs are only written.
struct HostVar {
  HostType type;
  void* data;
  int width;
};

inline HostVar TextVar(char* buf, int width) { return {HostType::kText, buf, width}; }
inline HostVar InText(const char* text, int width) {
  return {HostType::kText, const_cast<char*>(text), width};
}
inline HostVar IntVar(std::int32_t* v) { return {HostType::kInt32, v, 4}; }
inline HostVar InInt(const std::int32_t* v) {
  return {HostType::kInt32, const_cast<std::int32_t*>(v), 4};
}
inline HostVar DoubleVar(double* v) { return {HostType::kDouble, v, 8}; }

}  // namespace kv::db

#endif  // KORVANTIS_DB_HOST_VAR_H_
