#include "options/Unit1.h"

#include "info/Unit2.h"
#include "info/Unit3.h"
#include "options/ProportionRule.h"
#include "options/ShellControls.h"
#include "platform/abf/ComboBox.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/DateTimePicker.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/SysUtils.h"

TForm1* Form1 = nullptr;

bool HideStart = false;
bool HideIcons = false;
HWND DesktopIconView = nullptr;
int LastWidth = 0;
int LastHeight = 0;

void ShowHelpWindow() {
  HelpForm->Show();
}

namespace {

// Apply's last step: the Start button and the icon view made to match the flags.
void ApplyShellFlags() {
  if (HideStart) {
    HideStartButton();
  } else {
    RestoreStartButton();
  }
  if (HideIcons) {
    HideDesktopIcons();
  } else {
    ShowDesktopIcons();
  }
  StartButtonLeftHidden = HideStart;
  DesktopIconsLeftHidden = HideIcons;
}

}  // namespace

void TForm1::FormCreate(vcl::TObject*) {
  DesktopIconView = LookUpDesktopIconView();
  if (HMENU systemMenu = GetSystemMenu(Handle(), FALSE)) {
    DeleteMenu(systemMenu, SC_CLOSE, MF_BYCOMMAND);
  }
  LastWidth = 0;
  LastHeight = 0;
  Shutdown_time->Hide();
  Shutdown_label->Hide();
  Shutdown_mode->Hide();
  Shutdown_warning->Hide();
  Shutdown_label_1->Hide();
  Shutdown_time->SetDateTime(vcl::Now());
}

void TForm1::FormResize(vcl::TObject*) {
  options::ApplyProportionRule(*this, LastWidth, LastHeight);
}

void TForm1::FormDestroy(vcl::TObject*) {
  // An item the last Apply hid is put back too, even if its box was unticked since.
  if (HideStart || StartButtonLeftHidden) RestoreStartButton();
  if (HideIcons || DesktopIconsLeftHidden) ShowDesktopIcons();
}

void TForm1::Button1Click(vcl::TObject*) {
  Hide();
  ScheduleShutdown();
  ApplyShellFlags();
}

void TForm1::Button2Click(vcl::TObject*) {
  Hide();
}

void TForm1::Button3Click(vcl::TObject*) {
  ShowHelpWindow();
}

void TForm1::CheckBox1Click(vcl::TObject*) {
  HideStart = CheckBox1->Checked();
}

void TForm1::CheckBox2Click(vcl::TObject*) {
  HideIcons = CheckBox2->Checked();
}

void TForm1::CheckBox3Click(vcl::TObject*) {
  bool shown = CheckBox3->Checked();
  Shutdown_time->SetVisible(shown);
  Shutdown_label->SetVisible(shown);
  Shutdown_mode->SetVisible(shown);
  Shutdown_warning->SetVisible(shown);
  Shutdown_label_1->SetVisible(shown);
}

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
