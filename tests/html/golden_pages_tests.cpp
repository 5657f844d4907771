// The whole page set of a small gallery under the default templates, byte for byte against
// tests/data/html/golden/ (reviewed by hand in a browser). QL_UPDATE_GOLDEN=1 rewrites them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "html/gallery_pages.h"
#include "html/page_job.h"
#include "support/temp_dir.h"

namespace ql {
namespace {

TEST(GoldenPages, SevenImagesTwoByTwoUnderTheDefaultTemplates) {
  test::TTempDir dir;
  test::TPageJob job(dir.Path());
  const char* const names[] = {"blueten_im_garten", "evening_storm", "freshflower", "green_leaf",
                               "green_meadow",      "ladybird",      "rain_drops"};
  for (const char* name : names) job.Images.push_back({std::string(name) + ".jpg", ".jpg", 0, name});
  job.Options.Columns = 2;
  job.Options.Rows = 2;
  job.Options.UseNames = true;
  job.Options.UseColors = true;
  job.Options.UseImage = true;
  job.Options.ImageFile = "/pics/Sky Blue.bmp";
  job.BackgroundWebName = "sky_blue";
  ASSERT_EQ(WriteGalleryPages(job.Context(), 7), 0);

  const std::string golden = test::DataFile("html/golden");
  const bool update = std::getenv("QL_UPDATE_GOLDEN") != nullptr;
  const std::vector<std::string> written = test::ListNames(dir.Path());
  ASSERT_EQ(written.size(), 9u);
  if (!update) {
    EXPECT_EQ(test::ListNames(golden), written);
  }
  for (const std::string& name : written) {
    const std::string text = test::ReadFile(dir / name);
    if (update) {
      test::WriteFile(golden + "/" + name, text);
    } else {
      EXPECT_EQ(text, test::ReadFile(golden + "/" + name)) << name;
    }
  }
}

}  // namespace
}  // namespace ql
