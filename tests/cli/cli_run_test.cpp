// quorvalinde-cli run as a program, with no terminal on standard input.
#include <sys/stat.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace ql {
namespace {

using test::ReadFile;
using test::TTempDir;
using test::WriteFile;

struct CliResult {
  int Status;
  std::string Out, Err;
};

CliResult RunCli(const TTempDir& dir, const std::string& args) {
  const std::string command = "cd '" + dir.Path() + "' && '" + QL_CLI_PATH + "' " + args + " </dev/null >'" +
                              dir.Path() + "/.out' 2>'" + dir.Path() + "/.err'";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(dir / ".out"), ReadFile(dir / ".err")};
}

TEST(CliRun, ExitStatusTellsUsageErrorsFailuresAndSuccess) {
  TTempDir dir;
  mkdir((dir / "in").c_str(), 0755);
  mkdir((dir / "empty").c_str(), 0755);
  mkdir((dir / "out").c_str(), 0755);
  WriteFile(dir / "in/readme.txt", "not an image");

  EXPECT_EQ(RunCli(dir, "--help").Status, 0);
  EXPECT_EQ(RunCli(dir, "--quality 0").Status, 2);
  const CliResult noInput = RunCli(dir, "-o out");
  EXPECT_EQ(noInput.Status, 2);
  EXPECT_NE(noInput.Err.find("no input folder"), std::string::npos) << noInput.Err;

  const CliResult noImages = RunCli(dir, "-i in -o out");
  EXPECT_EQ(noImages.Status, 1);
  EXPECT_NE(noImages.Err.find("no JPEG or BMP files in in"), std::string::npos) << noImages.Err;
  EXPECT_EQ(RunCli(dir, "-i missing -o out").Status, 1);
}

TEST(CliRun, AWarningWithoutTerminalOrYesIsCancel) {
  TTempDir dir;
  mkdir((dir / "in").c_str(), 0755);
  WriteFile(dir / "in/a.jpg", "x");
  const CliResult result = RunCli(dir, "-i in -o new/gallery");
  EXPECT_EQ(result.Status, 1);
  EXPECT_NE(result.Err.find("Directory does not exist. Shall I create it?"), std::string::npos) << result.Err;
  struct stat st {};
  EXPECT_NE(stat((dir / "new").c_str(), &st), 0);

  mkdir((dir / "full").c_str(), 0755);
  WriteFile(dir / "full/old.htm", "keep me");
  const CliResult notEmpty = RunCli(dir, "-i in -o full");
  EXPECT_EQ(notEmpty.Status, 1);
  EXPECT_NE(notEmpty.Err.find("The Destination Directory is not empty."), std::string::npos);
  EXPECT_EQ(ReadFile(dir / "full/old.htm"), "keep me");
}

TEST(CliRun, RefusesToWriteIntoTheInputFolder) {
  TTempDir dir;
  mkdir((dir / "in").c_str(), 0755);
  WriteFile(dir / "in/a.jpg", "original");
  const CliResult result = RunCli(dir, "-y -i in -o ./in/");
  EXPECT_EQ(result.Status, 1);
  EXPECT_NE(result.Err.find("The output folder is the input folder"), std::string::npos) << result.Err;
  EXPECT_EQ(ReadFile(dir / "in/a.jpg"), "original");
}

}  // namespace
}  // namespace ql
