#include "settings/settings_file.h"

#include "platform/errors.h"
#include "platform/file_system.h"

namespace ql {

int LoadSettingsFile(TGalleryJob&, const std::string& path) {
  if (!RegularFileExists(path)) return -1;
  throw TFileError(path, "settings files cannot be read yet");
}

int SaveSettingsFile(TGalleryJob&, const std::string&) { return 1; }

}  // namespace ql
