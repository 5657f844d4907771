// One row of the image table, and the table's fixed size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ql {

inline constexpr int MaxImages = 10000;

struct TSourceImage {
  std::string FileName;        // the name without folder, as the listing gives it
  std::string Extension;       // with its dot, in the letter case found (".JPG")
  std::int32_t Timestamp = 0;  // date sort key, packed MS-DOS date-time
  std::string WebName;         // base name of the image's output files
};

// The image table: exactly MaxImages rows, allocated once and never resized.
using TImageTable = std::vector<TSourceImage>;

}  // namespace ql
