// quorvalinde-cli --inspect: the JSON line per file and the exit status.
#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "cli/inspect.h"
#include "exif/reader_fixture.h"

namespace ql::test {
namespace {

struct TInspected {
  int status;
  std::vector<std::string> lines;
  std::string err;
};

TInspected Inspect(const std::vector<std::string>& files) {
  std::ostringstream out, err;
  TInspected result{cli::InspectFiles(files, out, err), {}, err.str()};
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) result.lines.push_back(line);
  return result;
}

TEST(InspectTest, OneLinePerFile) {
  TTempDir dir;
  TTiffBuilder tiff(false);
  const int exif = tiff.AddDirectory();
  tiff.Ascii(0, tagDateTime, "2005:06:07 12:34:56").Pointer(0, tagExifOffset, exif);
  tiff.Short(exif, tagExifImageWidth, 3072).Short(exif, tagExifImageLength, 2304);
  const TBytes full = TJpegBuilder().Jfif().Exif(tiff).Iptc("x").Comment(std::string("Sunset\0", 7)).Scan().Get();
  const TBytes plain = TJpegBuilder().Jfif().Dqt().Dqt().Sof().Dht().Scan().Get();
  const TBytes noDate = TJpegBuilder().Exif(TTiffBuilder(true)).Comment("").Scan().Get();
  WriteFile(dir / "full.jpg", std::string(full.begin(), full.end()));
  WriteFile(dir / "plain.jpg", std::string(plain.begin(), plain.end()));
  WriteFile(dir / "nodate.jpg", std::string(noDate.begin(), noDate.end()));
  WriteFile(dir / "x.bmp", std::string(full.begin(), full.end()));

  const TInspected got = Inspect({dir / "full.jpg", dir / "plain.jpg", dir / "nodate.jpg", dir / "x.bmp"});
  EXPECT_EQ(got.status, 0);
  EXPECT_EQ(got.err, "");
  ASSERT_EQ(got.lines.size(), 4u);
  EXPECT_EQ(got.lines[0], "{\"file\":\"" + dir / "full.jpg" +
                              "\",\"processed\":true,\"exif\":true,\"jfif\":true,\"iptc\":true,\"comment\":true,"
                              "\"sections\":5,\"date\":\"2005-06-07T12:34:56\",\"width\":3072,\"height\":2304,"
                              "\"comment_hex\":\"53756e73657400\"}");
  EXPECT_EQ(got.lines[1], "{\"file\":\"" + dir / "plain.jpg" +
                              "\",\"processed\":false,\"exif\":false,\"jfif\":true,\"iptc\":false,\"comment\":false,"
                              "\"sections\":5,\"date\":null,\"width\":null,\"height\":null,\"comment_hex\":null}");
  EXPECT_EQ(got.lines[2], "{\"file\":\"" + dir / "nodate.jpg" +
                              "\",\"processed\":true,\"exif\":true,\"jfif\":false,\"iptc\":false,\"comment\":true,"
                              "\"sections\":3,\"date\":null,\"width\":null,\"height\":null,\"comment_hex\":\"\"}");
  EXPECT_EQ(got.lines[3], "{\"file\":\"" + dir / "x.bmp" +
                              "\",\"processed\":false,\"exif\":false,\"jfif\":false,\"iptc\":false,\"comment\":false,"
                              "\"sections\":0,\"date\":null,\"width\":null,\"height\":null,\"comment_hex\":null}");
}

TEST(InspectTest, FileNamesAreJsonEscaped) {
  TTempDir dir;
  const std::string name = std::string("q\"b\\s\tt\x01 \xC3\xBC \xFF\xC3.jpg");
  WriteFile(dir / name, "not a JPEG");
  const TInspected got = Inspect({dir / name});
  EXPECT_EQ(got.status, 0);
  ASSERT_EQ(got.lines.size(), 1u);
  EXPECT_EQ(got.lines[0].substr(0, got.lines[0].find(",\"processed\"")),
            "{\"file\":\"" + dir.Path() + "/q\\\"b\\\\s\\u0009t\\u0001 \xC3\xBC \xEF\xBF\xBD\xEF\xBF\xBD.jpg\"");
}

TEST(InspectTest, MissingOrUnreadableFilesGiveStatusOne) {
  TTempDir dir;
  WriteFile(dir / "ok.bmp", "BM");
  ASSERT_EQ(mkdir((dir / "folder.jpg").c_str(), 0700), 0);
  const TInspected got = Inspect({dir / "missing.jpg", dir / "ok.bmp", dir / "folder.jpg"});
  EXPECT_EQ(got.status, 1);
  ASSERT_EQ(got.lines.size(), 3u);
  for (const std::string& line : got.lines) EXPECT_NE(line.find("\"processed\":false"), std::string::npos) << line;
  EXPECT_NE(got.err.find("missing.jpg"), std::string::npos);
  EXPECT_NE(got.err.find("folder.jpg"), std::string::npos);
  EXPECT_EQ(got.err.find("ok.bmp"), std::string::npos);
  EXPECT_EQ(Inspect({dir / "ok.bmp"}).status, 0);
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(InspectTest, EveryRealFileIsInspected) {
  std::vector<std::string> folders = {DataFile("exif/jpeg-real"), DataFile("exif/bmp")};
  // The whole shared fixture set, when it stands beside the project.
  for (const char* shared : {QL_SHARED_FIXTURES_DIR "/jpeg-real", QL_SHARED_FIXTURES_DIR "/bmp-suite"}) {
    if (std::filesystem::is_directory(shared)) folders.push_back(shared);
  }
  for (const std::string& folder : folders) {
    SCOPED_TRACE(folder);
    const std::vector<std::string> files = FilesIn(folder);
    ASSERT_FALSE(files.empty());
    const TInspected got = Inspect(files);
    EXPECT_EQ(got.status, 0) << got.err;
    ASSERT_EQ(got.lines.size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
      const bool jpeg = files[i].ends_with(".jpg");
      EXPECT_NE(got.lines[i].find(jpeg ? "\"processed\":true,\"exif\":true" : "\"processed\":false"), std::string::npos)
          << got.lines[i];
    }
  }
}

}  // namespace
}  // namespace ql::test
