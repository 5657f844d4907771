#include "cli/cli_options.h"

#include <gtest/gtest.h>

namespace ql::cli {
namespace {

TEST(CliOptions, ReadsEveryOption) {
  const TParseResult r = ParseCommandLine({"-i", "in", "--output=out", "-s", "my.qvl", "--filter", "boxfilter",
                                           "--sort", "name-desc", "--no-exif", "--pages-only", "--quality", "100",
                                           "--thumb-quality=1", "--max-width", "0", "--max-height", "9999",
                                           "--thumb-size", "999", "-y", "--open", "--save-settings", "x.qvl"});
  ASSERT_EQ(r.Error, "");
  const TCliOptions& o = r.Options;
  EXPECT_EQ(o.Input, "in");
  EXPECT_EQ(o.Output, "out");
  EXPECT_EQ(o.Settings, "my.qvl");
  EXPECT_EQ(o.Filter, 3);
  EXPECT_EQ(o.Sort, 3);
  EXPECT_TRUE(o.NoExif && o.PagesOnly && o.Yes && o.Open);
  EXPECT_EQ(o.Quality, 100);
  EXPECT_EQ(o.ThumbQuality, 1);
  EXPECT_EQ(o.MaxWidth, 0);
  EXPECT_EQ(o.MaxHeight, 9999);
  EXPECT_EQ(o.ThumbSize, 999);
  EXPECT_EQ(o.SaveSettings, "x.qvl");
  EXPECT_EQ(ParseCommandLine({"--filter", "6"}).Options.Filter, 6);
  EXPECT_EQ(ParseCommandLine({"--filter", "LANCZOS3FILTER"}).Options.Filter, 5);
  EXPECT_EQ(ParseCommandLine({"--inspect", "a.jpg", "-y"}).Options.Inspect,
            (std::vector<std::string>{"a.jpg", "-y"}));
}

TEST(CliOptions, RefusesWhatIsOutOfRangeOrUnknown) {
  const std::vector<std::vector<std::string>> bad = {
      {"--quality", "0"},        {"--quality", "101"},      {"--thumb-quality", "abc"}, {"--max-width", "10000"},
      {"--max-height", "-1"},    {"--thumb-size", "1000"},  {"--quality", "+50"},       {"--quality", " 50"},
      {"--filter", "7"},         {"--filter", "lanczos"},   {"--sort", "date"},         {"--frobnicate"},
      {"-i"},                    {"--yes=1"},               {"--inspect"},              {"extra"},
  };
  for (const auto& args : bad) {
    EXPECT_NE(ParseCommandLine(args).Error, "") << args[0] << (args.size() > 1 ? " " + args[1] : "");
  }
}

TEST(CliOptions, HelpNamesEveryOption) {
  const std::string usage = UsageText();
  for (const char* option : {"-i, --input", "-o, --output", "-s, --settings", "--filter", "--sort", "--no-exif",
                             "--pages-only", "--quality", "--thumb-quality", "--max-width", "--max-height",
                             "--thumb-size", "-y, --yes", "--open", "--save-settings", "--inspect", "-h, --help",
                             "--version"}) {
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace ql::cli
