#include "run/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/console_capture.h"

namespace kv::run {
namespace {

const std::string kUsage =
    "Aufruf: KORVANTIS [Param1] [Param2] [Param3] [Param4]  \n"
    "Param1: DNL-Funktion\n"
    "Param2: Terminal-Name\n"
    "Param3: Pfad der DNL-Datei\n"
    "Param4: 1: neu 0: dran h\xE4ngen\n";

bool Take(std::vector<const char*> args, RunContext* ctx, std::string* console) {
  args.insert(args.begin(), "korvantis");
  test::ConsoleCapture capture;
  bool ok = TakeArguments(static_cast<int>(args.size()), args.data(), capture.file(), ctx);
  *console = capture.Text();
  return ok;
}

TEST(CommandLineTest, TooFewArgumentsPrintCountThenUsageOnTheSameLine) {
  struct Case {
    std::vector<const char*> args;
    std::string want;
  };
  const Case cases[] = {
      {{}, "Anzahl Parameter(mind. 4) unterschritten! AnzParam: 0" + kUsage},
      {{"QVDNL31P", "T1", "f.dnl"}, "Anzahl Parameter(mind. 4) unterschritten! AnzParam: 3" + kUsage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.size());
    RunContext ctx;
    std::string console;
    EXPECT_FALSE(Take(c.args, &ctx, &console));
    EXPECT_EQ(console, c.want);
  }
  // The ä of the last usage line is the one byte 0xE4.
  EXPECT_NE(kUsage.find("h\xE4ngen"), std::string::npos);
}

TEST(CommandLineTest, RunCommandLineWithTooFewArgumentsPrintsUsageAndExitsZero) {
  const char* argv[] = {"korvantis", "QVDNL31P", "T1", "f.dnl"};
  test::ConsoleCapture capture;
  EXPECT_EQ(RunCommandLine(4, argv, capture.file()), 0);
  EXPECT_EQ(capture.Text(), "Anzahl Parameter(mind. 4) unterschritten! AnzParam: 3" + kUsage);
}

TEST(CommandLineTest, FourthArgumentStartingWithOneMeansNewFile) {
  struct Case {
    const char* param4;
    bool new_file;
  };
  const Case cases[] = {{"1", true}, {"10", true}, {"0", false}, {"2", false}, {"", false}, {" 1", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.param4);
    RunContext ctx;
    std::string console;
    ASSERT_TRUE(Take({"qvdnl31p", "TERM01", "out.dnl", c.param4}, &ctx, &console));
    EXPECT_EQ(ctx.NewFile, c.new_file);
    EXPECT_EQ(console, "");
  }
}

TEST(CommandLineTest, ArgumentsAreTakenUnchangedAndLaterOnesIgnored) {
  RunContext ctx;
  ctx.RecordLength = 99;
  ctx.IsIdMaster = true;
  std::string console;
  ASSERT_TRUE(Take({"qvdnl31p", "Term 01", "dir/out.dnl", "1", "extra", "more"}, &ctx, &console));
  EXPECT_STREQ(ctx.FunctionCode, "qvdnl31p");  // upper-cased later, by the run
  EXPECT_STREQ(ctx.TerminalName, "Term 01");
  EXPECT_STREQ(ctx.DownloadFilePath, "dir/out.dnl");
  EXPECT_EQ(ctx.RecordLength, 0);
  EXPECT_FALSE(ctx.IsIdMaster);
}

TEST(CommandLineTest, ArgumentsAtTheirCapacityFitAndOneMoreCharacterIsRefused) {
  const std::string code19(19, 'Q'), code20(20, 'Q');
  const std::string term10(10, 'T'), term11(11, 'T');
  const std::string path100(100, 'p'), path101(101, 'p');
  struct Case {
    std::string code, term, path;
    bool ok;
    std::string console;
  };
  const Case cases[] = {
      {code19, term10, path100, true, ""},
      {code20, term10, path100, false, "Param1 zu lang! Laenge: 20 Max: 19\n"},
      {code19, term11, path100, false, "Param2 zu lang! Laenge: 11 Max: 10\n"},
      {code19, term10, path101, false, "Param3 zu lang! Laenge: 101 Max: 100\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.console);
    RunContext ctx;
    std::string console;
    EXPECT_EQ(Take({c.code.c_str(), c.term.c_str(), c.path.c_str(), "1"}, &ctx, &console), c.ok);
    EXPECT_EQ(console, c.console);
    if (c.ok) {
      EXPECT_EQ(ctx.FunctionCode, c.code);
      EXPECT_EQ(ctx.TerminalName, c.term);
      EXPECT_EQ(ctx.DownloadFilePath, c.path);
    }
  }
}

}  // namespace
}  // namespace kv::run
