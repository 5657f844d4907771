#include "imaging/bmp_builder.h"

namespace ql::test {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> BuildBmp(const TBmpSpec& s) {
  std::vector<std::uint8_t> header;
  Put32(header, s.HeaderSize);
  if (s.HeaderSize == 12) {
    Put16(header, static_cast<std::uint32_t>(s.Width));
    Put16(header, static_cast<std::uint32_t>(s.Height));
    Put16(header, s.Planes);
    Put16(header, s.BitCount);
  } else {
    Put32(header, static_cast<std::uint32_t>(s.Width));
    Put32(header, static_cast<std::uint32_t>(s.Height));
    Put16(header, s.Planes);
    Put16(header, s.BitCount);
    Put32(header, s.Compression);
    Put32(header, static_cast<std::uint32_t>(s.Pixels.size()));
    Put32(header, 2835);
    Put32(header, 2835);
    Put32(header, s.ColorsUsed.value_or(static_cast<std::uint32_t>(s.Palette.size())));
    Put32(header, 0);
    std::size_t mask = 0;
    while (header.size() < s.HeaderSize) {
      Put32(header, s.HeaderSize > 40 && mask < s.Masks.size() ? s.Masks[mask] : 0);
      ++mask;
    }
    header.resize(s.HeaderSize);
    if (s.HeaderSize == 40) {
      for (const std::uint32_t m : s.Masks) Put32(header, m);
    }
  }
  for (const TRgb& c : s.Palette) {
    header.push_back(c.B);
    header.push_back(c.G);
    header.push_back(c.R);
    if (s.HeaderSize != 12) header.push_back(0);
  }
  const std::uint32_t offset = s.PixelOffset.value_or(static_cast<std::uint32_t>(14 + header.size()));
  std::vector<std::uint8_t> file = {'B', 'M'};
  Put32(file, static_cast<std::uint32_t>(14 + header.size() + s.Pixels.size()));
  Put32(file, 0);
  Put32(file, offset);
  file.insert(file.end(), header.begin(), header.end());
  file.resize(std::max<std::size_t>(file.size(), offset), 0);
  file.insert(file.end(), s.Pixels.begin(), s.Pixels.end());
  return file;
}

}  // namespace ql::test
