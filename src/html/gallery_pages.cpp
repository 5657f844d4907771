#include "html/gallery_pages.h"

#include "platform/errors.h"

namespace ql {

int WriteGalleryPages(const TJobContext&, int, TPageWriteReport*) {
  throw TError("page writing is not built yet");
}

}  // namespace ql
