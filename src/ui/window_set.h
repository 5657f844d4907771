// The five windows of the program, created in this order: the main window, the index-page HTML
// dialog, a progress dialog, an about box and the image-page HTML dialog. The progress dialog and
// the about box created here are never shown; a run and the Info button make their own.
#pragma once

#include <memory>

namespace ql::ui {

class TAboutBox;
class TForm1;
class THtmlForm;
class THtmlForm2;
class TMyProcess;

struct TWindowSet {
  // Creating the main window loads the default settings; an error there leaves the constructor.
  TWindowSet();
  ~TWindowSet();

  std::unique_ptr<TForm1> Form1;
  std::unique_ptr<THtmlForm> HtmlForm;
  std::unique_ptr<TMyProcess> MyProcess;
  std::unique_ptr<TAboutBox> AboutBox;
  std::unique_ptr<THtmlForm2> HtmlForm2;
};

// The windows of the program; nullptr after an error while the main window was made, which has
// then been shown in a message box captioned "QuorvaLinde". The program ends in that case.
std::unique_ptr<TWindowSet> CreateWindows();

}  // namespace ql::ui
