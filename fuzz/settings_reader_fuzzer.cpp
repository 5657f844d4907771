// Fuzz target: the settings file reader on arbitrary bytes. It must end every input with options
// or a TFileError; and what it reads must write back into a file that reads back the same.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/errors.h"
#include "settings/default_options.h"
#include "settings/settings_layout.h"
#include "settings/settings_reader.h"
#include "settings/settings_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > ql::kMaxSettingsFileBytes) return 0;
  static const ql::TGalleryOptions kDefaults = [] {
    ql::TGalleryOptions o;
    ql::SetDefaultOptions(o);
    return o;
  }();
  static const std::string kName = "fuzz.qvl";

  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ql::TSettingsContent first;
  try {
    first = ql::ParseSettingsText(bytes, kDefaults, kName);
  } catch (const ql::TFileError&) {
    return 0;
  }

  // Every line the reader produced holds no line break, so the writer takes all of it.
  const int sort = std::clamp(first.SortIndex, -1, 3);
  const std::string text = ql::BuildSettingsText(first.Options, sort, first.SourcePath, first.DestPath);
  const ql::TSettingsContent second = ql::ParseSettingsText(text, first.Options, kName);
  if (second.Options != first.Options || second.EarlierLayout || !second.HasSortAndFolders ||
      second.SortIndex != sort || second.SourcePath != first.SourcePath || second.DestPath != first.DestPath) {
    std::abort();
  }
  return 0;
}
