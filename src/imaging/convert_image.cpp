#include "imaging/convert_image.h"

#include <new>

#include "exif/img_data.h"
#include "imaging/bitmap.h"
#include "imaging/filter_kernels.h"
#include "imaging/fit_size.h"
#include "imaging/jpeg_image.h"
#include "imaging/resample.h"
#include "platform/atomic_write.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace ql {

namespace {

// The reach handed to the resampler with every kernel, in kernel units.
constexpr float kSupport = 3.0f;

enum class TSourceKind { Bmp, Jpeg };

TSourceKind KindOf(const std::string& path) {
  std::string ext(ExtractFileExt(path));
  for (char& c : ext) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (ext == ".bmp") return TSourceKind::Bmp;
  if (ext == ".jpg" || ext == ".jpeg") return TSourceKind::Jpeg;
  throw TFileError(path, "not a JPEG or BMP file");
}

// Runs `step`; an error that does not name a file yet is raised again naming `path`.
template <class F>
void NamingFile(const std::string& path, F&& step) {
  try {
    step();
  } catch (const TFileError&) {
    throw;
  } catch (const TError& e) {
    throw TFileError(path, e.what());
  } catch (const std::bad_alloc&) {
    throw TFileError(path, "not enough memory");
  }
}

void Dispatch(const TJobContext& ctx) {
  if (ctx.ProcessMessages) ctx.ProcessMessages();
}

}  // namespace

void ConvertImage(const TJobContext& ctx, const std::string& sourceName, const std::string& destName, int quality,
                  int maxWidth, int maxHeight, int filterIndex, bool thumbnail) {
  const std::string sourcePath = JoinPath(ctx.SourceDir, sourceName);
  const std::string destPath = JoinPath(ctx.DestDir, destName);
  const TSourceKind kind = KindOf(sourcePath);

  TBitmap source;
  TBitmap output;
  TJPEGImage jpeg;  // decodes a JPEG source, later encodes the result

  NamingFile(sourcePath, [&] {
    if (kind == TSourceKind::Bmp) {
      source.LoadFromFile(sourcePath);
    } else {
      jpeg.LoadFromFile(sourcePath);
      source.Assign(jpeg);
    }
  });

  const TFitSize fit = FitIntoBox(source.Width(), source.Height(), maxWidth, maxHeight);
  if (fit.Fits) {
    if (kind == TSourceKind::Jpeg) {
      CopyFileAtomic(sourcePath, destPath);
    } else {
      NamingFile(destPath, [&] {
        jpeg.Assign(source);
        jpeg.SetCompressionQuality(quality);
        jpeg.SaveToFile(destPath);
      });
    }
    return;
  }

  TFilterFunction kernel = nullptr;
  NamingFile(sourcePath, [&] { kernel = FilterByIndex(filterIndex); });
  Dispatch(ctx);
  NamingFile(sourcePath, [&] { Resample(source, output, fit.Width, fit.Height, kernel, kSupport); });
  Dispatch(ctx);

  NamingFile(destPath, [&] {
    jpeg.Assign(output);
    jpeg.SetCompressionQuality(quality);
    if (ctx.UseExif && !thumbnail && ctx.ExifData.ProcessFile(sourcePath)) {
      ctx.ExifData.ReadExifInfo(sourcePath);  // read again as the carry-over expects; the answer is not needed
      ctx.ExifData.WriteEXIFJpeg(jpeg, destPath, true);
    } else {
      jpeg.SaveToFile(destPath);
    }
  });
}

}  // namespace ql
