#include "job/sort_images.h"

#include <gtest/gtest.h>

namespace ql {
namespace {

TImageTable Table(const std::vector<std::pair<std::string, std::int32_t>>& rows) {
  TImageTable table(MaxImages);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    table[i].FileName = rows[i].first + ".jpg";
    table[i].WebName = rows[i].first;
    table[i].Extension = ".jpg";
    table[i].Timestamp = rows[i].second;
  }
  return table;
}

std::vector<std::string> Names(const TImageTable& table, int n) {
  std::vector<std::string> names;
  for (int i = 0; i < n; ++i) names.push_back(table[static_cast<std::size_t>(i)].FileName);
  return names;
}

TEST(SortImages, OrdersByEachModeAndKeepsEqualRowsInListingOrder) {
  // Equal keys: b1 and b2 share a date, c and c share a name... names are unique here, so the
  // stability of name orders shows with the equal dates of the date modes only.
  const std::vector<std::pair<std::string, std::int32_t>> rows = {
      {"img9", 300}, {"b1", 100}, {"img10", 200}, {"b2", 100}, {"zebra", -5}, {"apple", 200}};
  const struct {
    int mode;
    std::vector<std::string> expected;
  } cases[] = {
      {smDateAscending, {"zebra.jpg", "b1.jpg", "b2.jpg", "img10.jpg", "apple.jpg", "img9.jpg"}},
      {smDateDescending, {"img9.jpg", "img10.jpg", "apple.jpg", "b1.jpg", "b2.jpg", "zebra.jpg"}},
      {smNameAscending, {"apple.jpg", "b1.jpg", "b2.jpg", "img10.jpg", "img9.jpg", "zebra.jpg"}},
      {smNameDescending, {"zebra.jpg", "img9.jpg", "img10.jpg", "b2.jpg", "b1.jpg", "apple.jpg"}},
      {-1, {"img9.jpg", "b1.jpg", "img10.jpg", "b2.jpg", "zebra.jpg", "apple.jpg"}},
      {4, {"img9.jpg", "b1.jpg", "img10.jpg", "b2.jpg", "zebra.jpg", "apple.jpg"}},
  };
  for (const auto& c : cases) {
    TImageTable table = Table(rows);
    SortImages(table, 6, c.mode);
    EXPECT_EQ(Names(table, 6), c.expected) << "mode " << c.mode;
  }
}

TEST(SortImages, NamesCompareAsUnsignedBytesAndRowsMoveWhole) {
  TImageTable table = Table({{"\xC3\xA4", 1}, {"z", 2}, {"za", 3}});  // ä sorts after z
  SortImages(table, 3, smNameAscending);
  EXPECT_EQ(Names(table, 3), (std::vector<std::string>{"z.jpg", "za.jpg", "\xC3\xA4.jpg"}));
  EXPECT_EQ(table[2].Timestamp, 1);
  EXPECT_EQ(table[2].WebName, "\xC3\xA4");
}

TEST(SortImages, TouchesOnlyTheFirstNRows) {
  TImageTable table = Table({{"c", 3}, {"b", 2}, {"a", 1}});
  SortImages(table, 2, smDateAscending);
  EXPECT_EQ(Names(table, 3), (std::vector<std::string>{"b.jpg", "c.jpg", "a.jpg"}));
  SortImages(table, 0, smDateAscending);
  SortImages(table, 1, smDateDescending);
  EXPECT_EQ(Names(table, 3), (std::vector<std::string>{"b.jpg", "c.jpg", "a.jpg"}));
}

TEST(SortImages, StaysStableOnALongReversedTable) {
  std::vector<std::pair<std::string, std::int32_t>> rows;
  for (int i = 0; i < 500; ++i) rows.push_back({"n" + std::to_string(i), (499 - i) / 2});
  TImageTable table = Table(rows);
  SortImages(table, 500, smDateAscending);
  for (int i = 0; i + 1 < 500; ++i) {
    const auto& a = table[static_cast<std::size_t>(i)];
    const auto& b = table[static_cast<std::size_t>(i + 1)];
    ASSERT_LE(a.Timestamp, b.Timestamp);
    // Equal keys keep their listing order: n(2k) came before n(2k+1)... reversed pairs here.
    if (a.Timestamp == b.Timestamp) {
      ASSERT_LT(std::stoi(a.WebName.substr(1)), std::stoi(b.WebName.substr(1)));
    }
  }
}

}  // namespace
}  // namespace ql
