#include "imaging/jpeg_codec.h"

// jpeglib.h needs size_t and FILE declared first.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <jpeglib.h>

#include "imaging/bitmap.h"
#include "imaging/image_limits.h"
#include "platform/errors.h"

namespace ql {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: ours jumps back
// to the setjmp of the one small function that made the libjpeg call. Those functions hold no
// C++ object of their own, so the jump skips no destructor; everything libjpeg allocated is
// released by the owner structs below, which live outside the jump.
struct TJpegErrorManager {
  jpeg_error_mgr pub;  // first, so that libjpeg's pointer to it is a pointer to the whole
  std::jmp_buf jump;
  int maxScans = 0;
  bool tooManyScans = false;
};

TJpegErrorManager& ErrorManagerOf(j_common_ptr cinfo) { return *reinterpret_cast<TJpegErrorManager*>(cinfo->err); }

void ErrorExit(j_common_ptr cinfo) { std::longjmp(ErrorManagerOf(cinfo).jump, 1); }
void EmitMessage(j_common_ptr, int) {}  // warnings (and trace messages) are dropped
void OutputMessage(j_common_ptr) {}

// Called by libjpeg during long operations, for progressive files once per scan at least.
void ProgressMonitor(j_common_ptr cinfo) {
  TJpegErrorManager& err = ErrorManagerOf(cinfo);
  if (cinfo->is_decompressor && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > err.maxScans) {
    err.tooManyScans = true;
    std::longjmp(err.jump, 1);
  }
}

void InitErrorManager(TJpegErrorManager& err, jpeg_error_mgr*& slot) {
  slot = jpeg_std_error(&err.pub);
  err.pub.error_exit = ErrorExit;
  err.pub.emit_message = EmitMessage;
  err.pub.output_message = OutputMessage;
}

struct TDecompressor {
  jpeg_decompress_struct cinfo{};
  TJpegErrorManager err{};
  jpeg_progress_mgr progress{};

  explicit TDecompressor(int maxScans) {
    InitErrorManager(err, cinfo.err);
    err.maxScans = maxScans;
  }
  ~TDecompressor() { jpeg_destroy_decompress(&cinfo); }  // safe also when creation failed
  TDecompressor(const TDecompressor&) = delete;
  TDecompressor& operator=(const TDecompressor&) = delete;

  [[noreturn]] void Raise() const {
    if (err.tooManyScans) throw TError("JPEG error: more than " + std::to_string(err.maxScans) + " scans");
    throw TError("JPEG error #" + std::to_string(err.pub.msg_code));
  }
};

struct TCompressor {
  jpeg_compress_struct cinfo{};
  TJpegErrorManager err{};
  unsigned char* buffer = nullptr;  // malloc'ed by libjpeg's memory destination
  unsigned long size = 0;

  TCompressor() { InitErrorManager(err, cinfo.err); }
  ~TCompressor() {
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
  }
  TCompressor(const TCompressor&) = delete;
  TCompressor& operator=(const TCompressor&) = delete;
};

// Each function below returns false after a libjpeg error; the caller raises it.

bool ReadHeader(TDecompressor& d, const std::uint8_t* data, std::size_t size, long maxMemory) {
  if (setjmp(d.err.jump)) return false;
  jpeg_create_decompress(&d.cinfo);
  if (maxMemory > 0) d.cinfo.mem->max_memory_to_use = maxMemory;
  d.cinfo.progress = &d.progress;
  d.progress.progress_monitor = ProgressMonitor;
  jpeg_mem_src(&d.cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&d.cinfo, TRUE);
  return true;
}

bool StartDecompress(TDecompressor& d) {
  if (setjmp(d.err.jump)) return false;
  const J_COLOR_SPACE source = d.cinfo.jpeg_color_space;
  d.cinfo.out_color_space = source == JCS_CMYK || source == JCS_YCCK ? JCS_CMYK : JCS_RGB;
  d.cinfo.dct_method = JDCT_ISLOW;
  jpeg_start_decompress(&d.cinfo);
  return true;
}

// Inverted CMYK (as Adobe writes it) holds 255 - C: then R = C' × K' / 255. Plain CMYK holds C:
// then R = (255 - C) × (255 - K) / 255. Rounded to the nearest.
void CmykRowToRgb(const JSAMPLE* cmyk, std::uint8_t* rgb, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
    const unsigned k = inverted ? cmyk[3] : 255u - cmyk[3];
    for (int c = 0; c < 3; ++c) {
      const unsigned v = inverted ? cmyk[c] : 255u - cmyk[c];
      rgb[c] = static_cast<std::uint8_t>((v * k + 127) / 255);
    }
  }
}

bool ReadRows(TDecompressor& d, std::uint8_t* top, std::ptrdiff_t stride, JSAMPLE* cmykRow) {
  if (setjmp(d.err.jump)) return false;
  const bool inverted = d.cinfo.saw_Adobe_marker;
  while (d.cinfo.output_scanline < d.cinfo.output_height) {
    std::uint8_t* row = top + static_cast<std::ptrdiff_t>(d.cinfo.output_scanline) * stride;
    JSAMPROW target = cmykRow != nullptr ? cmykRow : row;
    if (jpeg_read_scanlines(&d.cinfo, &target, 1) != 1) break;  // cannot happen with a memory source
    if (cmykRow != nullptr) CmykRowToRgb(cmykRow, row, d.cinfo.output_width, inverted);
  }
  return true;
}

bool Compress(TCompressor& c, const TBitmap& bitmap, int quality) {
  if (setjmp(c.err.jump)) return false;
  jpeg_create_compress(&c.cinfo);
  jpeg_mem_dest(&c.cinfo, &c.buffer, &c.size);
  c.cinfo.image_width = static_cast<JDIMENSION>(bitmap.Width());
  c.cinfo.image_height = static_cast<JDIMENSION>(bitmap.Height());
  c.cinfo.input_components = 3;
  c.cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c.cinfo);
  jpeg_set_quality(&c.cinfo, quality, TRUE);
  jpeg_start_compress(&c.cinfo, TRUE);
  while (c.cinfo.next_scanline < c.cinfo.image_height) {
    // libjpeg takes rows as non-const pointers but only reads them.
    JSAMPROW row = const_cast<JSAMPROW>(bitmap.ScanLine(static_cast<int>(c.cinfo.next_scanline)));
    jpeg_write_scanlines(&c.cinfo, &row, 1);
  }
  jpeg_finish_compress(&c.cinfo);
  return true;
}

}  // namespace

TJpegSize ReadJpegSize(std::span<const std::uint8_t> bytes) {
  TDecompressor d(0);
  if (!ReadHeader(d, bytes.data(), bytes.size(), 0)) d.Raise();
  return {static_cast<int>(d.cinfo.image_width), static_cast<int>(d.cinfo.image_height)};
}

void DecodeJpeg(std::span<const std::uint8_t> bytes, TBitmap& bitmap, int maxScans, long maxMemory) {
  TDecompressor d(maxScans);
  if (!ReadHeader(d, bytes.data(), bytes.size(), maxMemory)) d.Raise();
  CheckImageSize(d.cinfo.image_width, d.cinfo.image_height);
  if (!StartDecompress(d)) d.Raise();

  TBitmap decoded;
  decoded.SetSize(static_cast<int>(d.cinfo.output_width), static_cast<int>(d.cinfo.output_height));
  std::vector<JSAMPLE> cmykRow;
  if (d.cinfo.out_color_space == JCS_CMYK) cmykRow.resize(static_cast<std::size_t>(d.cinfo.output_width) * 4);
  if (!ReadRows(d, decoded.ScanLine(0), decoded.RowStride(), cmykRow.empty() ? nullptr : cmykRow.data())) {
    d.Raise();
  }
  bitmap = std::move(decoded);
}

std::vector<std::uint8_t> EncodeJpeg(const TBitmap& bitmap, int quality) {
  TCompressor c;
  if (!Compress(c, bitmap, quality)) throw TError("JPEG error #" + std::to_string(c.err.pub.msg_code));
  return std::vector<std::uint8_t>(c.buffer, c.buffer + c.size);
}

}  // namespace ql
