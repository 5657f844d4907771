#include "platform/atomic_write.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "support/temp_dir.h"

namespace ql {
namespace {

using test::ListNames;
using test::ReadFile;
using test::TTempDir;
using test::WriteFile;

TEST(WriteFileAtomic, WritesAndReplaces) {
  TTempDir dir;
  WriteFileAtomic(dir / "page1.htm", std::string_view("first"));
  EXPECT_EQ(ReadFile(dir / "page1.htm"), "first");
  chmod((dir / "page1.htm").c_str(), 0640);
  WriteFileAtomic(dir / "page1.htm", std::string_view("second"));
  EXPECT_EQ(ReadFile(dir / "page1.htm"), "second");
  struct stat st {};
  ASSERT_EQ(stat((dir / "page1.htm").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);  // the replaced file's mode is kept
  EXPECT_EQ(ListNames(dir.Path()), std::vector<std::string>{"page1.htm"});
}

TEST(WriteFileAtomic, AFailureKeepsTheOldFileAndLeavesNoTemporary) {
  TTempDir dir;
  mkdir((dir / "page2.htm").c_str(), 0755);  // a folder where the file should go
  EXPECT_THROW(WriteFileAtomic(dir / "page2.htm", std::string_view("x")), TFileError);
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0644), 0);  // never replaced by a regular file
  EXPECT_THROW(WriteFileAtomic(dir / "fifo", std::string_view("x")), TFileError);
  EXPECT_EQ(ListNames(dir.Path()), (std::vector<std::string>{"fifo", "page2.htm"}));

  try {
    WriteFileAtomic(dir / "missing/page1.htm", std::string_view("x"));
    FAIL();
  } catch (const TFileError& e) {
    EXPECT_EQ(e.File(), dir / "missing/page1.htm");
    EXPECT_EQ(e.Reason(), "No such file or directory");
  }
}

TEST(CopyFileAtomic, CopiesByteForByteAndNamesTheFailingFile) {
  TTempDir dir;
  const std::string bytes("\xFF\xD8\0\x01 binary", 10);
  WriteFile(dir / "src.jpg", bytes);
  WriteFile(dir / "dst.jpg", "old");
  CopyFileAtomic(dir / "src.jpg", dir / "dst.jpg");
  EXPECT_EQ(ReadFile(dir / "dst.jpg"), bytes);
  try {
    CopyFileAtomic(dir / "gone.jpg", dir / "dst.jpg");
    FAIL();
  } catch (const TFileError& e) {
    EXPECT_EQ(e.File(), dir / "gone.jpg");
  }
  EXPECT_EQ(ReadFile(dir / "dst.jpg"), bytes);
}

}  // namespace
}  // namespace ql
