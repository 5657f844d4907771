// Writing a whole file so that a failure never leaves a half-written file under the target's
// name: the bytes go to a temporary file in the target's folder, every write is checked, and
// only then is the temporary file renamed over the target.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace ql {

// Writes `bytes` as the whole content of `path`, replacing a file of that name. Raises
// TFileError naming `path` and the cause (for example "No space left on device"); the previous
// file, if any, is then left as it was and no temporary file remains.
void WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes);
void WriteFileAtomic(const std::string& path, std::string_view text);

// Copies `source` byte for byte to `target` through WriteFileAtomic. Raises TFileError naming
// the file that failed (the source when it cannot be read, else the target).
void CopyFileAtomic(const std::string& source, const std::string& target);

}  // namespace ql
