#include "exif/libjpeg_codec.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace ql::test {

namespace {

struct TErrorManager {
  jpeg_error_mgr pub;  // first, so libjpeg's pointer is ours
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<TErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// The libjpeg calls, with no object that has a destructor between setjmp and the last call.
bool Encode(int width, int height, int quality, unsigned char* rgb, unsigned char** out, unsigned long* size,
            char* message) {
  jpeg_compress_struct cinfo;
  TErrorManager err;
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = ErrorExit;
  if (setjmp(err.jump)) {
    jpeg_destroy_compress(&cinfo);
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, out, size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = rgb + static_cast<std::size_t>(cinfo.next_scanline) * static_cast<std::size_t>(width) * 3;
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

bool Decode(const unsigned char* data, unsigned long size, unsigned char* row, int maxWidth, int* width, int* height,
            char* message) {
  jpeg_decompress_struct cinfo;
  TErrorManager err;
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = ErrorExit;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&cinfo);
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, size);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  if (static_cast<int>(cinfo.output_width) > maxWidth) {
    std::snprintf(message, JMSG_LENGTH_MAX, "wider than the test allows");
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  *width = static_cast<int>(cinfo.output_width);
  *height = static_cast<int>(cinfo.output_height);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW rows[1] = {row};
    jpeg_read_scanlines(&cinfo, rows, 1);
  }
  const bool clean = cinfo.err->num_warnings == 0;
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  if (!clean) std::snprintf(message, JMSG_LENGTH_MAX, "corrupt data (libjpeg warnings)");
  return clean;
}

}  // namespace

TBytes EncodeGradientJpeg(int width, int height, int quality) {
  std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      unsigned char* p = &rgb[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3];
      p[0] = static_cast<unsigned char>(x * 255 / width);
      p[1] = static_cast<unsigned char>(y * 255 / height);
      p[2] = 128;
    }
  }
  unsigned char* out = nullptr;
  unsigned long size = 0;
  char message[JMSG_LENGTH_MAX] = {};
  const bool ok = Encode(width, height, quality, rgb.data(), &out, &size, message);
  TBytes bytes;
  if (out) bytes.assign(out, out + size);
  std::free(out);
  if (!ok) throw std::runtime_error(message);
  return bytes;
}

TDecodeResult DecodeJpeg(const TBytes& file) {
  constexpr int kMaxWidth = 8192;
  std::vector<unsigned char> row(kMaxWidth * 3);
  TDecodeResult result;
  char message[JMSG_LENGTH_MAX] = {};
  result.ok = Decode(file.data(), static_cast<unsigned long>(file.size()), row.data(), kMaxWidth, &result.width,
                     &result.height, message);
  result.error = message;
  return result;
}

}  // namespace ql::test
