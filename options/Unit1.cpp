#include "options/Unit1.h"

#include "info/Unit2.h"
#include "info/Unit3.h"
#include "platform/vcl/Application.h"

TForm1* Form1 = nullptr;

bool HideStart = false;
bool HideIcons = false;
HWND DesktopIconView = nullptr;
int LastWidth = 0;
int LastHeight = 0;

void ShowHelpWindow() {
  HelpForm->Show();
}

void TForm1::FormCreate(vcl::TObject*) {
  if (HMENU systemMenu = GetSystemMenu(Handle(), FALSE)) {
    DeleteMenu(systemMenu, SC_CLOSE, MF_BYCOMMAND);
  }
  LastWidth = 0;
  LastHeight = 0;
}

void TForm1::FormResize(vcl::TObject*) {}

void TForm1::FormDestroy(vcl::TObject*) {}

void TForm1::Button1Click(vcl::TObject*) {
  Hide();
  ScheduleShutdown();
}

void TForm1::Button2Click(vcl::TObject*) {
  Hide();
}

void TForm1::Button3Click(vcl::TObject*) {
  ShowHelpWindow();
}

void TForm1::CheckBox1Click(vcl::TObject*) {}

void TForm1::CheckBox2Click(vcl::TObject*) {}

void TForm1::CheckBox3Click(vcl::TObject*) {}

void TForm1::Property1Click(vcl::TObject*) {
  Show();
}

void TForm1::Help1Click(vcl::TObject*) {
  ShowHelpWindow();
}

void TForm1::About1Click(vcl::TObject*) {
  About->Show();
}

void TForm1::Exit1Click(vcl::TObject*) {
  vcl::Application->Terminate();
}
