#include "config/config_path.h"

#include <gtest/gtest.h>

namespace kv::config {
namespace {

#ifndef _WIN32
TEST(ConfigPathTest, PosixUsesSlashes) {
  EXPECT_EQ(ConfigFilePath(), "../../files/velastrom.ini");
  EXPECT_EQ(WindowsPathToPlatform("a\\b c\\\\d.ini"), "a/b c//d.ini");
  EXPECT_EQ(WindowsPathToPlatform("plain.ini"), "plain.ini");
}
#else
TEST(ConfigPathTest, WindowsKeepsBackslashes) {
  EXPECT_EQ(ConfigFilePath(), "..\\..\\files\\velastrom.ini");
}
#endif

}  // namespace
}  // namespace kv::config
