#include "info/Unit2.h"

#include <shellapi.h>

#include "platform/vcl/Application.h"
#include "platform/vcl/Label.h"

TAbout* About = nullptr;

void TAbout::OKClick(vcl::TObject*) {
  Hide();
}

void TAbout::FormKeyPress(vcl::TObject*, char&) {
  Hide();
}

void TAbout::FormMouseDown(vcl::TObject*, vcl::TMouseButton, int, int) {
  Hide();
}

void TAbout::Label4Click(vcl::TObject*) {
  // Whatever the shell makes of it, this window stays as it is.
  ShellExecuteA(vcl::Application->Handle(), "open", MakerWebAddress, nullptr, nullptr, SW_RESTORE);
}

void TAbout::Label4MouseEnter(vcl::TObject*) {
  Label4->SetFontColor(0xFF0000);
}

void TAbout::Label4MouseLeave(vcl::TObject*) {
  Label4->SetFontColor(0);
}
