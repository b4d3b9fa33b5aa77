// The stored layout of the Options window: its settings, then its components in creation order,
// each with its stored values in their stored order.
#include "options/Unit1.h"
#include "platform/abf/AutoRun.h"
#include "platform/abf/ComboBox.h"
#include "platform/abf/OneInstance.h"
#include "platform/abf/Shutdown.h"
#include "platform/abf/StartButtonProperties.h"
#include "platform/abf/TrayIcon.h"
#include "platform/rx/Clock.h"
#include "platform/rx/PopupMenu.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/DateTimePicker.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/StatusBar.h"
#include "platform/vcl/XPManifest.h"

using namespace vcl;
using abf::TabfComboBox;
using abf::TabfComboBoxArgs;
using abf::TabfStartButtonProperties;

const TFormLayout<TForm1>& TForm1::StoredLayout() {
  static const TFormLayout<TForm1> layout{
      .settings = {.name = "Form1",
                   .className = "TForm1",
                   .caption = "Options",
                   .bounds = {0, 0, 706, 303},
                   .position = TPosition::poDesktopCenter,
                   .stayOnTop = true,
                   .color = clBtnFace,
                   .constraints = {.minWidth = 517, .minHeight = 235},
                   .icon = "OPTIONSICON"},
      .events = {.onCreate = &TForm1::FormCreate,
                 .onResize = &TForm1::FormResize,
                 .onDestroy = &TForm1::FormDestroy},
      .components = {
          [](TForm1& f, TReader& r) {
            f.Panel1 = r.Create<TPanel>(
                "Panel1", &f,
                TControlArgs{.bounds = {0, 0, 698, 277}, .align = TAlign::alClient, .tabOrder = 0});
          },
          [](TForm1& f, TReader& r) {
            f.Shutdown_label = r.Create<TLabel>(
                "Shutdown_label", f.Panel1,
                TLabelArgs{.control = {.bounds = {392, 112, 12, 13}}, .caption = "at:"});
          },
          [](TForm1& f, TReader& r) {
            f.Shutdown_label_1 = r.Create<TLabel>(
                "Shutdown_label_1", f.Panel1,
                TLabelArgs{.control = {.bounds = {198, 113, 20, 13}}, .caption = "  as:"});
          },
          [](TForm1& f, TReader& r) {
            f.Button2 = r.Create<TButton>("Button2", f.Panel1,
                                          TButtonArgs{.control = {.bounds = {523, 226, 75, 25},
                                                                  .anchors = akRight | akBottom,
                                                                  .tabOrder = 0},
                                                      .caption = "Cancel",
                                                      .cancel = true});
            f.Button2->OnClick = Handler(f, &TForm1::Button2Click);
          },
          [](TForm1& f, TReader& r) {
            f.Button1 = r.Create<TButton>("Button1", f.Panel1,
                                          TButtonArgs{.control = {.bounds = {435, 226, 75, 25},
                                                                  .anchors = akRight | akBottom,
                                                                  .tabOrder = 1},
                                                      .caption = "Apply"});
            f.Button1->OnClick = Handler(f, &TForm1::Button1Click);
          },
          [](TForm1& f, TReader& r) {
            f.Button3 = r.Create<TButton>("Button3", f.Panel1,
                                          TButtonArgs{.control = {.bounds = {611, 226, 75, 25},
                                                                  .anchors = akRight | akBottom,
                                                                  .tabOrder = 2},
                                                      .caption = "Help"});
            f.Button3->OnClick = Handler(f, &TForm1::Button3Click);
          },
          [](TForm1& f, TReader& r) {
            f.StatusBar1 = r.Create<TStatusBar>(
                "StatusBar1", f.Panel1,
                TControlArgs{
                    .bounds = {0, 258, 698, 19}, .align = TAlign::alBottom, .tabOrder = 3});
          },
          [](TForm1& f, TReader& r) {
            f.CheckBox1 = r.Create<TCheckBox>(
                "CheckBox1", f.Panel1,
                TCheckBoxArgs{.control = {.bounds = {64, 48, 169, 17}, .tabOrder = 4},
                              .caption = "Hide START Button"});
            f.CheckBox1->OnClick = Handler(f, &TForm1::CheckBox1Click);
          },
          [](TForm1& f, TReader& r) {
            f.CheckBox2 = r.Create<TCheckBox>(
                "CheckBox2", f.Panel1,
                TCheckBoxArgs{.control = {.bounds = {64, 80, 193, 17}, .tabOrder = 5},
                              .caption = "Hide ALL ICONS from desktop"});
            f.CheckBox2->OnClick = Handler(f, &TForm1::CheckBox2Click);
          },
          [](TForm1& f, TReader& r) {
            f.CheckBox3 = r.Create<TCheckBox>(
                "CheckBox3", f.Panel1,
                TCheckBoxArgs{.control = {.bounds = {64, 112, 137, 17}, .tabOrder = 6},
                              .caption = "SHUTDOWN computer"});
            f.CheckBox3->OnClick = Handler(f, &TForm1::CheckBox3Click);
          },
          [](TForm1& f, TReader& r) {
            f.Shutdown_time = r.Create<TDateTimePicker>(
                "Shutdown_time", f.Panel1,
                TControlArgs{.bounds = {412, 108, 72, 21}, .tabOrder = 7});
          },
          [](TForm1& f, TReader& r) {
            f.RxClock1 = r.Create<rx::TRxClock>(
                "RxClock1", rx::TRxClockArgs{.bounds = {520, 48, 57, 33}, .visible = false});
            f.RxClock1->OnAlarm = Handler(f, &TForm1::RxClock1Alarm);
          },
          [](TForm1& f, TReader& r) {
            f.Shutdown_mode = r.Create<TabfComboBox>(
                "Shutdown_mode", f.Panel1,
                TabfComboBoxArgs{.control = {.bounds = {224, 108, 145, 21}, .tabOrder = 9},
                                 .items = {"LogOff", "ShutDown"},
                                 .itemIndex = 1,
                                 .itemHeight = 15});
          },
          [](TForm1& f, TReader& r) {
            f.Shutdown_warning = r.Create<TCheckBox>(
                "Shutdown_warning", f.Panel1,
                TCheckBoxArgs{.control = {.bounds = {96, 144, 201, 17}, .tabOrder = 10},
                              .caption = "Warn about shutdown for 5 minutes"});
          },
          [](TForm1& f, TReader& r) {
            f.Warning_Clock = r.Create<rx::TRxClock>(
                "Warning_Clock", rx::TRxClockArgs{.bounds = {448, 48, 57, 33}, .visible = false});
            f.Warning_Clock->OnAlarm = Handler(f, &TForm1::Warning_ClockAlarm);
          },
          [](TForm1& f, TReader& r) {
            f.abfTrayIcon1 = r.Create<abf::TabfTrayIcon>("abfTrayIcon1");
            f.abfTrayIcon1->SetIcon("MAINICON");
            f.abfTrayIcon1->SetMinimizeToTray(true);
            f.abfTrayIcon1->SetMinimizeOnStart(true);
            r.Fixup([&f] { f.abfTrayIcon1->SetPopupMenu(f.RxPopupMenu1); });
            f.abfTrayIcon1->SetPopupByLeft(true);
            f.abfTrayIcon1->SetVisible(true);
          },
          [](TForm1& f, TReader& r) {
            f.abfAutoRun1 = r.Create<abf::TabfAutoRun>("abfAutoRun1");
            f.abfAutoRun1->SetAutoRun(true);
          },
          [](TForm1& f, TReader& r) {
            f.abfOneInstance1 = r.Create<abf::TabfOneInstance>("abfOneInstance1");
          },
          [](TForm1& f, TReader& r) {
            f.RxPopupMenu1 = r.Create<rx::TRxPopupMenu>("RxPopupMenu1");
            r.Fixup([&f] { f.RxPopupMenu1->SetImages(f.ImageList1); });
            f.RxPopupMenu1->SetMinTextOffset(20);
            f.RxPopupMenu1->SetShowCheckMarks(false);
            auto item = [&](const char* name, const char* caption, int image,
                            void (TForm1::*click)(TObject*)) {
              auto* created =
                  r.Create<TMenuItem>(name, TMenuItemArgs{.caption = caption, .imageIndex = image});
              created->OnClick = Handler(f, click);
              f.RxPopupMenu1->Add(created);
              return created;
            };
            f.Property1 = item("Property1", "Options", 0, &TForm1::Property1Click);
            f.Help1 = item("Help1", "Help", 3, &TForm1::Help1Click);
            f.About1 = item("About1", "About", 2, &TForm1::About1Click);
            f.Exit1 = item("Exit1", "Exit", 1, &TForm1::Exit1Click);
          },
          [](TForm1& f, TReader& r) { f.XPManifest1 = r.Create<TXPManifest>("XPManifest1"); },
          [](TForm1& f, TReader& r) {
            f.abfShutdown1 = r.Create<abf::TabfShutdown>("abfShutdown1");
          },
          [](TForm1& f, TReader& r) {
            f.Start_Button_Power = r.Create<TabfStartButtonProperties>("Start_Button_Power");
            f.Start_Button_Power->SetButtonLeft(0);
            f.Start_Button_Power->SetButtonTop(0);
            f.Start_Button_Power->SetButtonWidth(48);
            f.Start_Button_Power->SetButtonHeight(21);
          },
          [](TForm1& f, TReader& r) {
            f.ImageList1 = r.Create<TImageList>(
                "ImageList1", TImageListArgs{.width = 16, .height = 16, .bitmap = "MENUIMAGES"});
          },
      }};
  return layout;
}
