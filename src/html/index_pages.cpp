#include "html/index_pages.h"

#include <cstdint>

#include "html/html_escape.h"
#include "html/page_layout.h"
#include "html/page_macros.h"

namespace ql {

std::string IndexPageName(int page) { return "page" + std::to_string(page) + ".htm"; }

void AppendThumbnailCell(std::vector<std::string>& lines, int p, std::string_view webName, int thumbSize,
                         bool useNames) {
  const std::string size = std::to_string(thumbSize);
  const std::string link = UrlPathEscape(webName);
  const std::string text = HtmlEscape(webName);
  lines.push_back("   <td width=" + size + " height=" + size + ">");
  lines.push_back("    <center>");
  lines.push_back("    <a href=\"img" + std::to_string(p + 1) + ".htm\">");
  lines.push_back("    <img src=\"t_" + link + ".jpg\" border=0" + " alt=\"" + text + ".jpg\">" +
                  (useNames ? "<br>" + text : std::string()) + "</a>");
  lines.push_back("    </center>");
  lines.push_back("   </td>");
}

std::vector<std::string> BuildIndexPage(const TGalleryOptions& options, std::span<const TSourceImage> images,
                                        std::string_view bodyTag, int page) {
  const TCellLayout layout(options);
  const auto n = static_cast<std::int64_t>(images.size());
  const int pageCount = IndexPageCount(static_cast<int>(images.size()), layout);

  std::vector<std::string> lines = options.Code1;
  lines.emplace_back(" </head>");
  lines.emplace_back(bodyTag);
  lines.insert(lines.end(), options.Code2.begin(), options.Code2.end());
  for (std::string& line : lines) ExpandIndexMacros(line, page, pageCount);

  const std::int64_t first = static_cast<std::int64_t>(page - 1) * layout.PerPage();
  for (int k = 0; k < layout.Rows(); ++k) {
    const std::int64_t rowStart = first + static_cast<std::int64_t>(layout.Columns()) * k;
    if (rowStart >= n) break;
    lines.emplace_back("  <tr>");
    for (int l = 0; l < layout.Columns() && rowStart + l < n; ++l) {
      const std::int64_t p = rowStart + l;
      AppendThumbnailCell(lines, static_cast<int>(p), images[static_cast<std::size_t>(p)].WebName,
                          options.maxThumbSize, options.UseNames);
    }
    lines.emplace_back("  </tr>");
  }

  const std::size_t m = lines.size();
  lines.insert(lines.end(), options.Code3.begin(), options.Code3.end());
  for (std::size_t i = m; i < lines.size(); ++i) ExpandIndexMacros(lines[i], page, pageCount);
  return lines;
}

}  // namespace ql
