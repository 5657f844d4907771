// Settings files that do not load and settings that cannot be saved: the error names the file,
// the line and the cause, and nothing in memory or on disk changes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "settings/settings_file.h"
#include "settings/settings_layout.h"
#include "settings_test_support.h"
#include "support/temp_dir.h"

namespace ql::test {
namespace {

using namespace std::string_view_literals;

std::string Repeat(std::string_view piece, std::size_t count) {
  std::string text;
  text.reserve(piece.size() * count);
  for (std::size_t i = 0; i < count; ++i) text += piece;
  return text;
}

TEST(SettingsErrors, MalformedFileChangesNothingAndNamesLineAndCause) {
  const std::vector<std::string> golden = GoldenLines();
  struct TCase {
    const char* name;
    std::string text;
    std::string reason;
  };
  const std::string valueMissing = ": the file ends here, a value was expected";
  const TCase cases[] = {
      {"empty file", "", "line 2" + valueMissing},
      {"only the first key line", "[Quality]\r\n", "line 2" + valueMissing},
      {"ends inside the single values", JoinLines(FirstLines(golden, 23)), "line 24" + valueMissing},
      {"one line after the third block", JoinLines(FirstLines(golden, kC3 + 1)),
       "line 99: the file ends here, a code block was expected"},
      {"image-page block without end line", JoinLines(FirstLines(golden, kC4 - 1)),
       "line 137: the file ends here, the code block from line 99 on has no end line \"@*end/@\""},
      {"first block without end line", JoinLines(FirstLines(golden, kC1 - 1)),
       "line 38: the file ends here, the code block from line 32 on has no end line \"@*end/@\""},
      {"sort line, no source line", JoinLines(FirstLines(golden, kSortLine)), "line 155" + valueMissing},
      {"sort line and source key, no source line", JoinLines(FirstLines(golden, kSortLine + 1)),
       "line 155" + valueMissing},
      {"no destination line", JoinLines(FirstLines(golden, kDestLine - 1)), "line 157" + valueMissing},
      {"letters", JoinLines(WithLine(golden, 24, "abc")), "line 24: 'abc' is not a number"},
      {"trailing blank", JoinLines(WithLine(golden, 2, "85 ")), "line 2: '85 ' is not a number"},
      {"empty value line", JoinLines(WithLine(golden, 4, "")), "line 4: '' is not a number"},
      {"flag written as a word", JoinLines(WithLine(golden, 16, "true")), "line 16: 'true' is not a number"},
      {"beyond 32 bits", JoinLines(WithLine(golden, 2, "2147483648")), "line 2: '2147483648' is not a number"},
      {"hexadecimal beyond 32 bits", JoinLines(WithLine(golden, 24, "$100000000")),
       "line 24: '$100000000' is not a number"},
      {"sign only", JoinLines(WithLine(golden, 6, "-")), "line 6: '-' is not a number"},
      {"zero byte", JoinLines(WithLine(golden, 12, std::string("4\0" "2", 3))), "line 12: '4\\x002' is not a number"},
      {"image-page colour", JoinLines(WithLine(golden, kC4 + 8, "white")), "line 145: 'white' is not a number"},
      {"sort order", JoinLines(WithLine(golden, kSortLine, "name")), "line 153: 'name' is not a number"},
      {"long line", JoinLines(WithLine(golden, 2, std::string(100, 'a'))),
       "line 2: '" + std::string(40, 'a') + "...' is not a number"},
      {"zero bytes only", std::string(1000, '\0'), "line 2" + valueMissing},
      {"UTF-16", std::string("\xFF\xFE[\0Q\0]\0\r\0\n\0" "8\0" "5\0\r\0\n\0"sv), "line 2: '\\x00' is not a number"},
      {"a million lines, the block without end line", JoinLines(FirstLines(golden, 31)) + Repeat("x\n", 1000000 - 31),
       "line 1000001: the file ends here, the code block from line 32 on has no end line \"@*end/@\""},
      {"more than a million lines", JoinLines(FirstLines(golden, 31)) + Repeat("\r", 1000000 - 31) + "x",
       "more than 1000000 lines, not a settings file"},
      {"a million and one lines, the last two of lone breaks", Repeat("\r\n", 999999) + "\n\r",
       "more than 1000000 lines, not a settings file"},
      {"a million lines exactly", Repeat("\r\n", 1000000), "line 2: '' is not a number"},
  };
  TTempDir dir;
  const std::string path = dir / "bad.qvl";
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(path, c.text);
    TTestJob t;
    const TJobSnapshot before = Snapshot(t.job, t.ui);
    try {
      LoadSettingsFile(t.job, path);
      ADD_FAILURE() << "loaded";
    } catch (const TFileError& error) {
      EXPECT_EQ(error.File(), path);
      EXPECT_EQ(error.Reason(), c.reason);
      EXPECT_EQ(std::string(error.what()), path + ": " + c.reason);
    }
    EXPECT_EQ(Snapshot(t.job, t.ui), before);
    EXPECT_EQ(ReadFile(path), c.text);
  }
}

TEST(SettingsErrors, NoSuchFileReturnsMinusOneAndChangesNothing) {
  TTempDir dir;
  ASSERT_TRUE(CreateFolderWithParents(dir / "folder.qvl"));
  ASSERT_EQ(mkfifo((dir / "pipe.qvl").c_str(), 0600), 0);
  for (const std::string& path : {dir / "missing.qvl", dir / "folder.qvl", dir / "pipe.qvl", std::string()}) {
    SCOPED_TRACE(path);
    TTestJob t;
    const TJobSnapshot before = Snapshot(t.job, t.ui);
    EXPECT_EQ(LoadSettingsFile(t.job, path), -1);
    EXPECT_EQ(Snapshot(t.job, t.ui), before);
  }
}

TEST(SettingsErrors, FileLargerThanAnySettingsFileIsRefusedUnread) {
  TTempDir dir;
  const std::string path = dir / "huge.qvl";
  const int fd = open(path.c_str(), O_CREAT | O_WRONLY, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(ftruncate(fd, static_cast<off_t>(kMaxSettingsFileBytes) + 1), 0);  // sparse: costs no disk
  close(fd);
  TTestJob t;
  const TJobSnapshot before = Snapshot(t.job, t.ui);
  try {
    LoadSettingsFile(t.job, path);
    ADD_FAILURE() << "loaded";
  } catch (const TFileError& error) {
    EXPECT_EQ(error.Reason(), "larger than 16 MB, not a settings file");
  }
  EXPECT_EQ(Snapshot(t.job, t.ui), before);
}

TEST(SettingsErrors, FailedSaveReturnsOneAndKeepsThePreviousFile) {
  TTempDir dir;
  const std::string previous = "the previous file\r\n";
  struct TCase {
    const char* name;
    std::string path;
    std::function<void(TTestJob&)> change;
  };
  const TCase cases[] = {
      {"missing folder", dir / "missing/x.qvl", [](TTestJob&) {}},
      {"target is a folder", dir / "folder.qvl", [](TTestJob&) {}},
      {"line break in a path", dir / "kept.qvl", [](TTestJob& t) { t.job.Options.ImageFile = "a\nb.jpg"; }},
      {"line break in a code line", dir / "kept.qvl",
       [](TTestJob& t) { t.job.Options.Code1Images.push_back("one\rtwo"); }},
      {"line break in a folder field", dir / "kept.qvl", [](TTestJob& t) { t.ui.SetEditDestiText("/tmp/a\r\nb"); }},
  };
  ASSERT_TRUE(CreateFolderWithParents(dir / "folder.qvl"));
  WriteFile(dir / "kept.qvl", previous);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TTestJob t;
    c.change(t);
    const TJobSnapshot before = Snapshot(t.job, t.ui);
    EXPECT_EQ(SaveSettingsFile(t.job, c.path), 1);
    EXPECT_EQ(Snapshot(t.job, t.ui), before);
  }
  EXPECT_EQ(ReadFile(dir / "kept.qvl"), previous);
  EXPECT_EQ(ListNames(dir.Path()), (std::vector<std::string>{"folder.qvl", "kept.qvl"}));
}

}  // namespace
}  // namespace ql::test
