#include "platform/errors.h"

#include <cstring>

namespace ql {

std::string ErrnoText(int err) {
  char buffer[256];
  // The GNU strerror_r may return a static string instead of filling the buffer.
  const char* text = strerror_r(err, buffer, sizeof buffer);
  return text;
}

}  // namespace ql
