#include "html/image_pages.h"

#include "exif/img_data.h"
#include "html/comment_text.h"
#include "html/page_macros.h"
#include "platform/errors.h"

namespace ql {

std::string ImagePageName(int image) { return "img" + std::to_string(image) + ".htm"; }

std::string ReadCommentText(TimgData& exifData, const std::string& sourcePath) {
  try {
    if (!exifData.ProcessFile(sourcePath) || !exifData.HasComment()) return {};
    return CommentText(exifData.GetCommentStr());
  } catch (const TError&) {
    return {};  // a file whose metadata cannot be read has no comment
  }
}

std::vector<std::string> BuildImagePage(const TGalleryOptions& options, std::span<const TSourceImage> images,
                                        std::string_view bodyTag, int image, std::string_view commentText) {
  const int n = static_cast<int>(images.size());
  const std::string& webName = images[static_cast<std::size_t>(image - 1)].WebName;
  std::vector<std::string> lines = options.Code1Images;
  for (std::string& line : lines) {
    ExpandImageMacros(line, image, n, options.Columns, options.Rows, bodyTag, webName, commentText);
  }
  return lines;
}

}  // namespace ql
