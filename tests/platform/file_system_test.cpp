#include "platform/file_system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "support/temp_dir.h"

namespace ql {
namespace {

using test::TTempDir;
using test::WriteFile;

TEST(Paths, FileNameAndExtension) {
  const struct {
    const char* path;
    const char* name;
    const char* ext;
  } cases[] = {
      {"/a/b/photo.JPG", "photo.JPG", ".JPG"}, {"photo.tar.gz", "photo.tar.gz", ".gz"},
      {"/a.b/photo", "photo", ""},             {"noext", "noext", ""},
      {"/dir/", "", ""},                       {".hidden", ".hidden", ".hidden"},
      {"C:x.bmp", "C:x.bmp", ".bmp"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
  }
  EXPECT_EQ(JoinPath("/in", "a.jpg"), "/in/a.jpg");
}

TEST(ListRegularFiles, TakesVisibleRegularFilesInByteOrder) {
  TTempDir dir;
  for (const char* name : {"b.jpg", "Z.jpg", "a.jpg", "ä.jpg", ".hidden.jpg", "img10.jpg", "img9.jpg"}) {
    WriteFile(dir / name, "x");
  }
  mkdir((dir / "folder.jpg").c_str(), 0755);
  ASSERT_EQ(symlink("a.jpg", (dir / "link.jpg").c_str()), 0);
  ASSERT_EQ(symlink("missing.jpg", (dir / "dangling.jpg").c_str()), 0);
  ASSERT_EQ(symlink("loop.jpg", (dir / "loop.jpg").c_str()), 0);
  ASSERT_EQ(mkfifo((dir / "fifo.jpg").c_str(), 0644), 0);

  const auto entries = ListRegularFiles(dir.Path());
  ASSERT_TRUE(entries);
  std::vector<std::string> names;
  for (const auto& e : *entries) names.push_back(e.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Z.jpg", "a.jpg", "b.jpg", "img10.jpg", "img9.jpg", "link.jpg", "ä.jpg"}));
  EXPECT_FALSE(ListRegularFiles(dir / "missing"));
}

TEST(HasAnyEntry, CountsEveryEntry) {
  TTempDir dir;
  EXPECT_EQ(HasAnyEntry(dir.Path()), false);
  mkdir((dir / "sub").c_str(), 0755);
  EXPECT_EQ(HasAnyEntry(dir.Path()), true);  // an empty subfolder counts
  TTempDir hidden;
  WriteFile(hidden / ".x", "");
  EXPECT_EQ(HasAnyEntry(hidden.Path()), true);  // so does a hidden file
  EXPECT_EQ(HasAnyEntry(dir / "missing"), std::nullopt);
}

TEST(CreateFolderWithParents, CreatesTheMissingParents) {
  TTempDir dir;
  EXPECT_TRUE(CreateFolderWithParents(dir / "gal/new/deep/"));
  EXPECT_TRUE(DirectoryExists(dir / "gal/new/deep"));
  EXPECT_TRUE(CreateFolderWithParents(dir / "gal"));  // existing: nothing to do
  EXPECT_FALSE(CreateFolderWithParents(""));
  EXPECT_FALSE(CreateFolderWithParents("/"));
  // A short relative name is a valid folder.
  const std::string cwd = CurrentDirectory();
  ASSERT_EQ(chdir(dir.Path().c_str()), 0);
  EXPECT_TRUE(CreateFolderWithParents("ab"));
  EXPECT_TRUE(DirectoryExists("ab"));
  ASSERT_EQ(chdir(cwd.c_str()), 0);
}

TEST(SameDirectory, ComparesTheFolderOnDiskNotTheText) {
  TTempDir dir;
  mkdir((dir / "in").c_str(), 0755);
  mkdir((dir / "out").c_str(), 0755);
  ASSERT_EQ(symlink("in", (dir / "alias").c_str()), 0);
  EXPECT_TRUE(SameDirectory(dir / "in", dir / "in/"));
  EXPECT_TRUE(SameDirectory(dir / "in", dir / "out/../in"));
  EXPECT_TRUE(SameDirectory(dir / "in", dir / "alias"));
  EXPECT_FALSE(SameDirectory(dir / "in", dir / "out"));
  EXPECT_FALSE(SameDirectory(dir / "in", dir / "missing"));
}

TEST(ReadFileBytes, NamesTheFileOnFailure) {
  TTempDir dir;
  WriteFile(dir / "a", std::string("x\0y", 3));
  EXPECT_EQ(ReadFileBytes(dir / "a").size(), 3u);
  try {
    ReadFileBytes(dir / "missing");
    FAIL();
  } catch (const TFileError& e) {
    EXPECT_EQ(e.File(), dir / "missing");
    EXPECT_EQ(std::string(e.what()), dir / "missing" + ": No such file or directory");
  }
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0644), 0);
  EXPECT_THROW(ReadFileBytes(dir / "fifo"), TFileError);  // refused, never blocks
  EXPECT_THROW(ReadFileBytes(dir.Path()), TFileError);
}

}  // namespace
}  // namespace ql
