// Escaping of texts that come from files (file names, JPEG comments) for the place in a page
// where they go: HTML text or a quoted attribute value, or the path of a link.
#pragma once

#include <string>
#include <string_view>

namespace ql {

// For HTML text and for an attribute value in double or single quotes: & < > " ' become
// &amp; &lt; &gt; &quot; &#39;; every other byte stays.
std::string HtmlEscape(std::string_view text);

// For a relative link (href, src, background): every byte but A-Z a-z 0-9 - . _ ~ becomes %XX
// (upper-case hexadecimal), so the name can neither leave its attribute nor be read as a query
// ("?"), a fragment ("#") or another folder ("/"). Web names (a-z, 0-9, "_") stay as they are.
std::string UrlPathEscape(std::string_view text);

}  // namespace ql
