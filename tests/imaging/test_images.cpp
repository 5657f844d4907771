#include "imaging/test_images.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <jpeglib.h>

namespace ql::test {

TBitmap MakeBitmap(int width, int height, const std::function<TRgb(int x, int y)>& pixel) {
  TBitmap b;
  b.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const TRgb c = pixel(x, y);
      std::uint8_t* p = b.ScanLine(y) + x * 3;
      p[0] = c.R;
      p[1] = c.G;
      p[2] = c.B;
    }
  }
  return b;
}

TBitmap GreyRow(const std::vector<std::uint8_t>& values) {
  return MakeBitmap(static_cast<int>(values.size()), 1, [&](int x, int) {
    const std::uint8_t v = values[static_cast<std::size_t>(x)];
    return TRgb{v, v, v};
  });
}

TRgb PixelAt(const TBitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y) + x * 3;
  return {p[0], p[1], p[2]};
}

int GreyAt(const TBitmap& bitmap, int x, int y) {
  const TRgb c = PixelAt(bitmap, x, y);
  if (c.R != c.G || c.G != c.B) return -1;
  return c.R;
}

std::vector<std::uint8_t> PixelBytes(const TBitmap& bitmap) {
  std::vector<std::uint8_t> bytes;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t* row = bitmap.ScanLine(y);
    bytes.insert(bytes.end(), row, row + bitmap.Width() * 3);
  }
  return bytes;
}

std::uint64_t Fnv1a64(std::span<const std::uint8_t> bytes) {
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (const std::uint8_t b : bytes) {
    h ^= b;
    h *= 0x100000001b3ULL;
  }
  return h;
}

std::vector<std::uint8_t> ToBytes(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TBitmap ReadPpm(const std::string& path) {
  const std::vector<std::uint8_t> d = ReadBytes(path);
  std::size_t i = 0;
  auto token = [&] {
    for (;;) {
      while (i < d.size() && std::isspace(d[i])) ++i;
      if (i < d.size() && d[i] == '#') {
        while (i < d.size() && d[i] != '\n') ++i;
        continue;
      }
      break;
    }
    std::string t;
    while (i < d.size() && !std::isspace(d[i])) t += static_cast<char>(d[i++]);
    return t;
  };
  if (token() != "P6") throw std::runtime_error(path + ": not a P6 PPM");
  const int w = std::stoi(token()), h = std::stoi(token());
  if (token() != "255") throw std::runtime_error(path + ": maxval is not 255");
  ++i;
  if (d.size() - i != static_cast<std::size_t>(w) * h * 3) throw std::runtime_error(path + ": wrong size");
  return MakeBitmap(w, h, [&](int x, int y) {
    const std::size_t at = i + (static_cast<std::size_t>(y) * w + x) * 3;
    return TRgb{d[at], d[at + 1], d[at + 2]};
  });
}

std::vector<std::uint8_t> EncodeTestJpeg(const TTestJpeg& spec) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);  // test inputs are valid; a libjpeg error ends the test program
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(spec.Width);
  cinfo.image_height = static_cast<JDIMENSION>(spec.Height);
  cinfo.input_components = spec.Components;
  cinfo.in_color_space = static_cast<J_COLOR_SPACE>(spec.InColorSpace);
  jpeg_set_defaults(&cinfo);
  jpeg_set_colorspace(&cinfo, static_cast<J_COLOR_SPACE>(spec.ColorSpace));
  cinfo.write_Adobe_marker = spec.Adobe ? TRUE : FALSE;
  jpeg_set_quality(&cinfo, spec.Quality, TRUE);

  // A progressive script of one DC scan for all components, then AC scans of one coefficient
  // band each, round-robin over the components, until `Scans` scans are written.
  std::vector<jpeg_scan_info> script;
  if (spec.Scans > 0) {
    const int n = cinfo.num_components;
    jpeg_scan_info dc{};
    dc.comps_in_scan = n;
    for (int c = 0; c < n; ++c) dc.component_index[c] = c;
    dc.Ss = 0;
    dc.Se = 0;
    script.push_back(dc);
    const int bands = spec.Scans - 1;
    // Split 1..63 into `perComponent` bands for every component.
    const int perComponent = (bands + n - 1) / n;
    for (int c = 0; c < n && static_cast<int>(script.size()) < spec.Scans; ++c) {
      for (int b = 0; b < perComponent && static_cast<int>(script.size()) < spec.Scans; ++b) {
        jpeg_scan_info ac{};
        ac.comps_in_scan = 1;
        ac.component_index[0] = c;
        ac.Ss = 1 + b * 63 / perComponent;
        ac.Se = (b + 1) * 63 / perComponent;
        script.push_back(ac);
      }
    }
    cinfo.scan_info = script.data();
    cinfo.num_scans = static_cast<int>(script.size());
  }

  jpeg_start_compress(&cinfo, TRUE);
  const int rowBytes = spec.Width * spec.Components;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(spec.Samples.data() + cinfo.next_scanline * rowBytes);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

}  // namespace ql::test
