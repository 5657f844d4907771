// The program's string table: the texts of its messages, by number. Texts 7 to 10, the default
// HTML code blocks, live with the defaults in settings/default_code_blocks.h.
#pragma once

#include <string>

namespace ql {

enum TStringId : int {
  sChooseBackgroundImage = 1,    // "Choose a background image"
  sDestinationNotEmpty = 2,      // output folder not empty, go on?
  sImage = 3,                    // "Image" of the progress line
  sOf = 4,                       // "of" of the progress line
  sCouldNotCreateHtml = 5,       // a page could not be written
  sNotAValidSettingsFile = 6,    // Load Settings, file missing
  sCouldNotSave = 11,            // a settings file could not be written
  sChooseSourceFolder = 12,      // caption of the input folder chooser
  sChooseDestinationFolder = 13, // caption of the output folder chooser
  sCreateDirectory = 14,         // output folder missing, create it?
  sNotChosenYet = 15,            // initial text of both folder fields
};

// The text of a message; empty for a number the table does not hold.
const std::string& StringTableText(int id);

}  // namespace ql
