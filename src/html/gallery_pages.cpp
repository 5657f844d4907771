#include "html/gallery_pages.h"

#include "html/body_tag.h"
#include "html/image_pages.h"
#include "html/index_pages.h"
#include "html/page_layout.h"
#include "platform/atomic_write.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_lines.h"

namespace ql {

namespace {

// Writes one page in one save, every line ended by CR LF. A failure is noted and the caller goes
// on with the next page; the atomic write leaves no half-written page behind.
void SavePage(const std::string& path, const std::vector<std::string>& lines, TPageWriteReport& report) {
  try {
    WriteFileAtomic(path, JoinLinesCrLf(lines));
  } catch (const TFileError& error) {
    report.Failures.push_back({path, error.Reason()});
  }
}

}  // namespace

int WriteGalleryPages(const TJobContext& ctx, int n, TPageWriteReport* report) {
  if (n > static_cast<int>(ctx.Images.size())) {
    throw TError("page writer: " + std::to_string(n) + " images asked for, the image table holds " +
                 std::to_string(ctx.Images.size()));
  }
  TPageWriteReport local;
  TPageWriteReport& r = report != nullptr ? *report : local;
  r = TPageWriteReport();
  if (n <= 0) return 0;

  const TGalleryOptions& options = ctx.Options;
  const std::span<const TSourceImage> images = ctx.Images.first(static_cast<std::size_t>(n));

  const std::string indexBody = BuildBodyTag(IndexPageLook(options), ctx.BackgroundWebName);
  const int pageCount = IndexPageCount(n, TCellLayout(options));
  for (int page = 1; page <= pageCount; ++page) {
    SavePage(JoinPath(ctx.DestDir, IndexPageName(page)), BuildIndexPage(options, images, indexBody, page), r);
    ++r.IndexPages;
  }

  const std::string imageBody = BuildBodyTag(ImagePageLook(options), ctx.BackgroundWebNameImages);
  for (int image = 1; image <= n; ++image) {
    const TSourceImage& row = images[static_cast<std::size_t>(image - 1)];
    const std::string comment = ReadCommentText(ctx.ExifData, JoinPath(ctx.SourceDir, row.FileName));
    SavePage(JoinPath(ctx.DestDir, ImagePageName(image)), BuildImagePage(options, images, imageBody, image, comment),
             r);
    ++r.ImagePages;
  }
  return r.Failures.empty() ? 0 : 1;
}

}  // namespace ql
