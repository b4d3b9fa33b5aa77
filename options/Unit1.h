// The Options window: the program's main window, owner of every component of the program.
#pragma once

#include <windows.h>

#include "platform/vcl/Forms.h"

namespace vcl {
class TButton;
class TCheckBox;
class TDateTimePicker;
class TImageList;
class TLabel;
class TMenuItem;
class TPanel;
class TStatusBar;
class TXPManifest;
}  // namespace vcl
namespace rx {
class TRxClock;
class TRxPopupMenu;
}  // namespace rx
namespace abf {
class TabfAutoRun;
class TabfComboBox;
class TabfOneInstance;
class TabfShutdown;
class TabfStartButtonProperties;
class TabfTrayIcon;
}  // namespace abf

class TForm1 : public vcl::TForm {
 public:
  using vcl::TForm::TForm;
  static const vcl::TFormLayout<TForm1>& StoredLayout();

  abf::TabfTrayIcon* abfTrayIcon1 = nullptr;
  abf::TabfAutoRun* abfAutoRun1 = nullptr;
  abf::TabfOneInstance* abfOneInstance1 = nullptr;
  rx::TRxPopupMenu* RxPopupMenu1 = nullptr;
  vcl::TMenuItem* Exit1 = nullptr;
  vcl::TMenuItem* Property1 = nullptr;
  vcl::TButton* Button1 = nullptr;
  vcl::TButton* Button2 = nullptr;
  vcl::TPanel* Panel1 = nullptr;
  vcl::TButton* Button3 = nullptr;
  vcl::TStatusBar* StatusBar1 = nullptr;
  vcl::TCheckBox* CheckBox1 = nullptr;
  vcl::TCheckBox* CheckBox2 = nullptr;
  vcl::TCheckBox* CheckBox3 = nullptr;
  vcl::TDateTimePicker* Shutdown_time = nullptr;
  vcl::TXPManifest* XPManifest1 = nullptr;
  abf::TabfShutdown* abfShutdown1 = nullptr;
  rx::TRxClock* RxClock1 = nullptr;
  abf::TabfComboBox* Shutdown_mode = nullptr;
  vcl::TLabel* Shutdown_label = nullptr;
  vcl::TLabel* Shutdown_label_1 = nullptr;
  vcl::TCheckBox* Shutdown_warning = nullptr;
  rx::TRxClock* Warning_Clock = nullptr;
  abf::TabfStartButtonProperties* Start_Button_Power = nullptr;
  vcl::TMenuItem* About1 = nullptr;
  vcl::TMenuItem* Help1 = nullptr;
  vcl::TImageList* ImageList1 = nullptr;

  // The window's own events.
  void FormCreate(vcl::TObject* Sender);
  void FormResize(vcl::TObject* Sender);
  void FormDestroy(vcl::TObject* Sender);

  // Apply, Cancel, Help and the check boxes.
  void Button1Click(vcl::TObject* Sender);
  void Button2Click(vcl::TObject* Sender);
  void Button3Click(vcl::TObject* Sender);
  void CheckBox1Click(vcl::TObject* Sender);
  void CheckBox2Click(vcl::TObject* Sender);
  void CheckBox3Click(vcl::TObject* Sender);

  // The tray menu.
  void Property1Click(vcl::TObject* Sender);
  void Help1Click(vcl::TObject* Sender);
  void About1Click(vcl::TObject* Sender);
  void Exit1Click(vcl::TObject* Sender);

  // The shutdown branch of Apply and the two alarms.
  void ScheduleShutdown();
  void RxClock1Alarm(vcl::TObject* Sender);
  void Warning_ClockAlarm(vcl::TObject* Sender);
};

extern TForm1* Form1;

// Module state, zero at start and never saved.
extern bool HideStart;
extern bool HideIcons;
extern HWND DesktopIconView;
extern int LastWidth;
extern int LastHeight;

// Shows the Help window; the tray menu's Help and the Help button both use it.
void ShowHelpWindow();
