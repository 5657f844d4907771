#include "settings/default_code_blocks.h"

#include <cstddef>

namespace ql {

namespace {

// One element per line. Two lines end with a blank that belongs to them: line 1 of block 2 and
// line 8 of the image-page template.
const char* const kDefaultCode1[] = {
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">",
    "<html>",
    " <head>",
    "  <meta name=\"generator\" content=\"QuorvaLinde 1.22 Freeware\">",
    "  <meta name=\"keywords\" content=\"QuorvaLinde\">",
    "  <title>gallery page @cp@ of @tp@</title>",
};

const char* const kDefaultCode2[] = {
    "  <b><i><font face=\"Arial,Helvetica\"><font size=+2>my gallery</font></i></b> ",
    "  <br>",
    "  <hr width=100%>",
    "  <center>",
    "  <table cols=3 width=100% >",
    "  <tr>",
    "   <td width=33%>",
    "   @iof@<center><a href=\"@prev@\">&lt; prev. page</a></center>",
    "   </td>",
    "   <td>",
    "   <center>page @cp@ of @tp@</center>",
    "   </td>",
    "   <td width=33%>",
    "   @iol@<center><a href=\"@next@\">next page &gt;</a></center>",
    "   </td>",
    "  </tr>",
    "  <tr>",
    "   <td>",
    "   @iof@<center><a href=\"@first@\">&lt;&lt; first page</a></center>",
    "   </td>",
    "   <td></td>",
    "   <td>",
    "   @iol@<center><a href=\"@last@\">last page &gt;&gt;</a></center>",
    "   </td>",
    "  </tr>",
    "  </table>",
    "  <table border=0 cellpadding=12>",
};

const char* const kDefaultCode3[] = {
    "  </table>",
    "  <hr width=100%>",
    "  <center>",
    "  <table COLS=3 WIDTH=\"100%\" >",
    "  <tr>",
    "   <td width=33%>",
    "   @iof@<center><a href=\"@prev@\">&lt; prev. page</a></center>",
    "   </td>",
    "   <td>",
    "   <center>page @cp@ of @tp@</center>",
    "   </td>",
    "   <td width=33%>",
    "   @iol@<center><a href=\"@next@\">next page &gt;</a></center>",
    "   </td>",
    "  </tr>",
    "  <tr>",
    "   <td>",
    "   @iof@<center><a href=\"@first@\">&lt;&lt; first page</a></center>",
    "   </td>",
    "   <td></td>",
    "   <td>",
    "   @iol@<center><a href=\"@last@\">last page &gt;&gt;</a></center>",
    "   </td>",
    "  </tr>",
    "  </table>",
    "  </center>",
    " </body>",
    "</html>",
};

const char* const kDefaultCode1Images[] = {
    "<html>",
    " <head>",
    "  <meta name=\"generator\" content=\"QuorvaLinde 1.22 Freeware\">",
    "  <meta name=\"keywords\" content=\"QuorvaLinde\">",
    "  <title>gallery image @cp@ of @tp@</title>",
    " </head>",
    " @body@",
    "  <b><i><font face=\"Arial,Helvetica\"><font size=+2>@image@</font></i></b> ",
    "  <br>",
    "  <hr width=100%>",
    "  <center>",
    "  <table cols=3 width=100% >",
    "  <tr>",
    "   <td width=33%>",
    "   @iof@<center><a href=\"@prev@\">&lt; prev. page</a></center>",
    "   </td>",
    "   <td>",
    "   <center>image @cp@ of @tp@</center>",
    "   </td>",
    "   <td width=33%>",
    "   @iol@<center><a href=\"@next@\">next page &gt;</a></center>",
    "   </td>",
    "  </tr>",
    "  <tr>",
    "   <td>",
    "   @iof@<center><a href=\"@first@\">&lt;&lt; first page</a></center>",
    "   </td>",
    "   <td><center><a href=\"@thumbs@\">back to thumbnailview</a></center> </td>",
    "   <td>",
    "   @iol@<center><a href=\"@last@\">last page &gt;&gt;</a></center>",
    "   </td>",
    "  </tr>",
    "  </table>",
    "  <br>",
    "  <a href=\"@thumbs@\">",
    "  <img src=\"@image@\" border=0 alt=\"@image@\">",
    " </body>",
    "</html>",
};

template <std::size_t N>
TCodeBlock ToBlock(const char* const (&lines)[N]) { return TCodeBlock(lines, lines + N); }

}  // namespace

TCodeBlock DefaultCodeBlock(int id) {
  switch (id) {
    case 7: return ToBlock(kDefaultCode1);
    case 8: return ToBlock(kDefaultCode2);
    case 9: return ToBlock(kDefaultCode3);
    case 10: return ToBlock(kDefaultCode1Images);
    default: return {};
  }
}

TCodeBlock LegacyImagePageTemplate() {
  // The same page as the default one, from the earlier version: only the generator line differs.
  TCodeBlock block = ToBlock(kDefaultCode1Images);
  block[2] = "  <meta name=\"generator\" content=\"QuorvaLinde 1.1 Freeware\">";
  return block;
}

}  // namespace ql
