#include "job/string_table.h"

#include <map>

namespace ql {

const std::string& StringTableText(int id) {
  static const std::map<int, std::string> kTable = {
      {sChooseBackgroundImage, "Choose a background image"},
      {sDestinationNotEmpty,
       "The Destination Directory is not empty.\nClick \"OK\" to proceed anyway\n"
       "(Files might be overwritten without asking)"},
      {sImage, "Image"},
      {sOf, "of"},
      {sCouldNotCreateHtml, "Could not create HTML-File (write protected medium?!)"},
      {sNotAValidSettingsFile, "Selected File is not a valid QuorvaLinde INI-File!"},
      {sCouldNotSave, "The file could not be saved!"},
      {sChooseSourceFolder, "Choose Sourcefolder"},
      {sChooseDestinationFolder, "Choose Destinationfolder"},
      {sCreateDirectory, "Directory does not exist. Shall I create it?"},
      {sNotChosenYet, "< not chosen yet >"},
  };
  static const std::string kEmpty;
  const auto found = kTable.find(id);
  return found == kTable.end() ? kEmpty : found->second;
}

}  // namespace ql
