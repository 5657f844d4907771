#include "ui/window_set.h"

#include "ui/about_box.h"
#include "ui/application.h"
#include "ui/form1.h"
#include "ui/html_form.h"
#include "ui/html_form2.h"
#include "ui/my_process.h"

namespace ql::ui {

TWindowSet::TWindowSet() {
  Form1 = std::make_unique<TForm1>();
  HtmlForm = std::make_unique<THtmlForm>(Form1->Job(), Form1.get());
  MyProcess = std::make_unique<TMyProcess>(Form1.get());
  AboutBox = std::make_unique<TAboutBox>(Form1.get());
  HtmlForm2 = std::make_unique<THtmlForm2>(Form1->Job(), Form1.get());
  Form1->SetHtmlForms(HtmlForm.get(), HtmlForm2.get());
}

std::unique_ptr<TWindowSet> CreateWindows() {
  try {
    return std::make_unique<TWindowSet>();
  } catch (const std::exception& error) {
    ReportError(error);
    return nullptr;
  }
}

// The dialogs go before the main window that is their parent.
TWindowSet::~TWindowSet() {
  HtmlForm2.reset();
  AboutBox.reset();
  MyProcess.reset();
  HtmlForm.reset();
  Form1.reset();
}

}  // namespace ql::ui
