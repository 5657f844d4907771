// quorvalinde-cli on the example photos: every href, src and background of the written pages
// leads to a page of the gallery or to one of the image files the run writes, and every page can
// be reached from page1.htm.
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "job/web_file_name.h"
#include "platform/file_system.h"
#include "support/temp_dir.h"

namespace ql {
namespace {

// The link targets of a page, quoted or not.
std::vector<std::string> LinkTargets(const std::string& page) {
  static const std::regex kLink(R"re(\b(?:href|src|background)\s*=\s*(?:"([^"]*)"|([^\s">]+)))re",
                                std::regex::icase);
  std::vector<std::string> targets;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), kLink); it != std::sregex_iterator(); ++it) {
    targets.push_back((*it)[1].matched ? (*it)[1].str() : (*it)[2].str());
  }
  return targets;
}

struct TGalleryCheck {
  std::set<std::string> Reached;          // pages reached from page1.htm
  std::set<std::string> ImagesLinked;     // image files the pages name
  std::vector<std::string> Faults;
};

// Walks the pages from page1.htm. `images` are the names the run gives the resized copies and
// thumbnails; `mustExist` asks that they are in the folder too.
TGalleryCheck FollowLinks(const std::string& dir, const std::set<std::string>& images, bool mustExist) {
  TGalleryCheck check;
  std::deque<std::string> queue = {"page1.htm"};
  check.Reached.insert("page1.htm");
  while (!queue.empty()) {
    const std::string page = queue.front();
    queue.pop_front();
    for (const std::string& target : LinkTargets(test::ReadFile(JoinPath(dir, page)))) {
      const std::string where = page + " -> '" + target + "'";
      if (target.empty() || target.find_first_of("/\\:?#%") != std::string::npos) {
        check.Faults.push_back(where + ": not a plain name in the gallery folder");
      } else if (target.size() > 4 && target.substr(target.size() - 4) == ".htm") {
        if (!RegularFileExists(JoinPath(dir, target))) {
          check.Faults.push_back(where + ": no such page");
        } else if (check.Reached.insert(target).second) {
          queue.push_back(target);
        }
      } else if (images.count(target) != 0) {
        check.ImagesLinked.insert(target);
        if (mustExist && !RegularFileExists(JoinPath(dir, target))) check.Faults.push_back(where + ": not written");
      } else {
        check.Faults.push_back(where + ": neither a page nor an image of the run");
      }
    }
  }
  return check;
}

class GalleryLinks : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto files = ListRegularFiles(photos_);
    ASSERT_TRUE(files.has_value()) << photos_;
    for (const TDirEntry& file : *files) {
      const std::string web = WebFileName(file.Name, true);
      images_.insert(web + ".jpg");
      images_.insert("t_" + web + ".jpg");
    }
    ASSERT_EQ(images_.size(), 2 * files->size()) << "two photos share a web name";
    n_ = static_cast<int>(files->size());
  }

  int Run(std::vector<std::string> args, std::string& err) {
    std::ostringstream out;
    std::ostringstream errors;
    args.insert(args.end(), {"-y", "-i", photos_, "-o", output_});
    const int status = cli::RunCli(args, out, errors);
    err = errors.str();
    return status;
  }

  void CheckGallery(bool mustExist) {
    const int indexPages = (n_ + 11) / 12;  // the default 4 columns and 3 rows
    std::set<std::string> pages;
    for (int i = 1; i <= indexPages; ++i) pages.insert("page" + std::to_string(i) + ".htm");
    for (int i = 1; i <= n_; ++i) pages.insert("img" + std::to_string(i) + ".htm");
    for (const std::string& name : pages) ASSERT_TRUE(RegularFileExists(JoinPath(output_, name))) << name;

    const TGalleryCheck check = FollowLinks(output_, images_, mustExist);
    for (const std::string& fault : check.Faults) ADD_FAILURE() << fault;
    EXPECT_EQ(check.Reached, pages);
    EXPECT_EQ(check.ImagesLinked, images_);  // every thumbnail and every resized copy is shown
  }

  const std::string photos_ = QL_EXAMPLES_PHOTOS_DIR;
  test::TTempDir temp_;
  const std::string output_ = temp_ / "new gallery";
  std::set<std::string> images_;
  int n_ = 0;
};

TEST_F(GalleryLinks, PagesOnlyRunWritesABrowsableSetOfPages) {
  std::string err;
  ASSERT_EQ(Run({"--pages-only"}, err), 0) << err;
  CheckGallery(false);
  for (const std::string& name : test::ListNames(output_)) {
    EXPECT_EQ(name.substr(name.size() - 4), ".htm") << "pages only, yet " << name << " was written";
  }
}

TEST_F(GalleryLinks, FullRunLinksFindTheirImageFiles) {
  std::string err;
  const int status = Run({}, err);
  if (status != 0 && err.find("not built yet") != std::string::npos) {
    GTEST_SKIP() << "image conversion is not in this build: " << err;
  }
  ASSERT_EQ(status, 0) << err;
  CheckGallery(true);
}

}  // namespace
}  // namespace ql
