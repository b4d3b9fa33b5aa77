// The Options window as the program creates it: layout, proportions, keyboard, the shutdown
// controls and the window-level course of Apply, Cancel and Help.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "info/Unit3.h"
#include "options/ProportionRule.h"
#include "options/Unit1.h"
#include "platform/abf/ComboBox.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/DateTimePicker.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/StatusBar.h"
#include "platform/vcl/SysUtils.h"
#include "tests/support/ProgramUnderTest.h"
#include "tests/wine/OptionsTestSupport.h"

namespace {

using test_support::Click;
using test_support::PumpMessages;
using test_support::PumpUntil;
using vcl::TBounds;
using vcl::TWinControl;

class OptionsWindow : public test_support::OptionsProgramTest {
 protected:
  // The five controls that follow CheckBox3.
  std::vector<TWinControl*> ShutdownControls() const {
    return {Form1->Shutdown_label_1, Form1->Shutdown_mode, Form1->Shutdown_label,
            Form1->Shutdown_time, Form1->Shutdown_warning};
  }

  void ShowAndWait() {
    Form1->Show();
    ASSERT_TRUE(PumpUntil([] { return IsWindowVisible(Form1->Handle()) != FALSE; }));
    PumpMessages();
  }

  // A size given from outside, as a user's drag ends in one.
  static void Resize(int width, int height) {
    SetWindowPos(Form1->Handle(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  static SIZE PanelSize() { return Form1->Panel1->ClientSize(); }
};

TEST_F(OptionsWindow, FirstResizeSetsTheWidthFromTheHeightUpToTheMinimum) {
  // 303 × 1.64 = 497 is below the minimum width: the laid-out 706 x 303 becomes 517 x 303.
  EXPECT_EQ(Form1->Width(), 517);
  EXPECT_EQ(Form1->Height(), 303);
  EXPECT_EQ(LastWidth, 517);
  EXPECT_EQ(LastHeight, 303);
}

TEST_F(OptionsWindow, WindowSettings) {
  HWND window = Form1->Handle();
  EXPECT_EQ(Form1->Caption(), "Options");
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  LONG style = GetWindowLongA(window, GWL_STYLE);
  for (LONG bit : {WS_THICKFRAME, WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX}) {
    EXPECT_TRUE(style & bit) << std::hex << bit;
  }
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(Form1->Color(), vcl::clBtnFace);
  const vcl::TFontAttributes& font = Form1->Font().Attributes();
  EXPECT_STREQ(font.name, "MS Sans Serif");
  EXPECT_EQ(font.height, -11);

  // The panel fills the client area.
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(Form1->Panel1->Bounds(), (TBounds{0, 0, client.right, client.bottom}));
  EXPECT_EQ(Form1->Panel1->Caption(), "");
}

TEST_F(OptionsWindow, SystemMenuOffersNoCloseCommand) {
  HMENU menu = GetSystemMenu(Form1->Handle(), FALSE);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
  for (UINT command : {SC_MINIMIZE, SC_MAXIMIZE, SC_SIZE, SC_MOVE}) {
    EXPECT_NE(GetMenuState(menu, command, MF_BYCOMMAND), static_cast<UINT>(-1)) << command;
  }
}

TEST_F(OptionsWindow, ControlsStandWhereTheyAreLaidOut) {
  struct Expected {
    TWinControl* control;
    const char* text;
    TBounds bounds;
    bool visible;
  };
  // Left and top anchors keep the laid-out bounds; the labels size themselves to their text.
  const Expected controls[] = {
      {Form1->Shutdown_label, "at:", {392, 112, 12, 13}, false},
      {Form1->Shutdown_label_1, "  as:", {198, 113, 20, 13}, false},
      {Form1->CheckBox1, "Hide START Button", {64, 48, 169, 17}, true},
      {Form1->CheckBox2, "Hide ALL ICONS from desktop", {64, 80, 193, 17}, true},
      {Form1->CheckBox3, "SHUTDOWN computer", {64, 112, 137, 17}, true},
      {Form1->Shutdown_time, nullptr, {412, 108, 72, 21}, false},
      {Form1->Shutdown_mode, "ShutDown", {224, 108, 145, 21}, false},
      {Form1->Shutdown_warning, "Warn about shutdown for 5 minutes", {96, 144, 201, 17}, false},
  };
  for (const Expected& e : controls) {
    EXPECT_EQ(e.control->Parent(), Form1->Panel1) << e.control->Name();
    EXPECT_EQ(e.control->Bounds(), e.bounds) << e.control->Name();
    EXPECT_EQ(e.control->Visible(), e.visible) << e.control->Name();
    if (e.text != nullptr) {
      EXPECT_EQ(e.control->Caption(), e.text) << e.control->Name();
    }
  }
  for (vcl::TCheckBox* box :
       {Form1->CheckBox1, Form1->CheckBox2, Form1->CheckBox3, Form1->Shutdown_warning}) {
    EXPECT_FALSE(box->Checked()) << box->Name();
  }

  // The status bar lies along the bottom, 19 high, with its grip in the client area's corner.
  SIZE panel = PanelSize();
  EXPECT_EQ(Form1->StatusBar1->Bounds(), (TBounds{0, panel.cy - 19, panel.cx, 19}));
  EXPECT_EQ(test_support::ClassNameOf(Form1->StatusBar1->Handle()), "msctls_statusbar32");
  LONG barStyle = GetWindowLongA(Form1->StatusBar1->Handle(), GWL_STYLE);
  EXPECT_TRUE(barStyle & SBARS_SIZEGRIP);
  EXPECT_FALSE(barStyle & WS_TABSTOP);
  EXPECT_EQ(Form1->StatusBar1->Caption(), "");
  EXPECT_EQ(SendMessageA(Form1->StatusBar1->Handle(), SB_GETPARTS, 0, 0), 1);
}

TEST_F(OptionsWindow, ButtonsKeepTheirDistancesToTheRightAndBottomEdges) {
  struct Expected {
    vcl::TButton* button;
    const char* caption;
    int rightGap;
  };
  const Expected buttons[] = {{Form1->Button1, "Apply", 188},
                              {Form1->Button2, "Cancel", 100},
                              {Form1->Button3, "Help", 12}};
  EXPECT_TRUE(Form1->Button2->Cancel());
  EXPECT_FALSE(Form1->Button1->Cancel());
  EXPECT_FALSE(Form1->Button3->Cancel());
  for (SIZE outer : {SIZE{517, 303}, SIZE{800, 488}, SIZE{656, 400}}) {
    if (outer.cx != Form1->Width()) Resize(outer.cx, outer.cy);
    ASSERT_EQ(Form1->Width(), outer.cx);
    SIZE panel = PanelSize();
    for (const Expected& e : buttons) {
      TBounds b = e.button->Bounds();
      EXPECT_EQ(e.button->Caption(), e.caption);
      EXPECT_EQ(panel.cx - (b.left + b.width), e.rightGap) << e.caption << " at " << outer.cx;
      EXPECT_EQ(panel.cy - (b.top + b.height), 26) << e.caption << " at " << outer.cx;
      EXPECT_EQ(b.width, 75);
      EXPECT_EQ(b.height, 25);
    }
    EXPECT_EQ(Form1->StatusBar1->Bounds(), (TBounds{0, panel.cy - 19, panel.cx, 19}));
  }
}

struct ResizeCase {
  const char* what;
  SIZE recorded;  // established first by a resize that the rule keeps
  SIZE given;     // the size the user gives the window
  SIZE result;    // the size afterwards, which is also recorded
};

void PrintTo(const ResizeCase& c, std::ostream* out) {
  *out << c.what;
}

class UserResize : public OptionsWindow, public ::testing::WithParamInterface<ResizeCase> {};

TEST_P(UserResize, GivesTheStatedSizeAndRecordsIt) {
  const ResizeCase& c = GetParam();
  Resize(c.recorded.cx, c.recorded.cy);
  ASSERT_EQ(LastWidth, c.recorded.cx);
  ASSERT_EQ(LastHeight, c.recorded.cy);

  // The handler's own sets run it again at once, inside the running call.
  int depth = 0;
  int deepest = 0;
  Form1->OnResize = [&](vcl::TObject* sender) {
    deepest = std::max(deepest, ++depth);
    Form1->FormResize(sender);
    --depth;
  };
  Resize(c.given.cx, c.given.cy);
  // Nothing pumped: the whole chain ran inside the one SetWindowPos.
  EXPECT_EQ(Form1->Width(), c.result.cx);
  EXPECT_EQ(Form1->Height(), c.result.cy);
  EXPECT_EQ(LastWidth, c.result.cx);
  EXPECT_EQ(LastHeight, c.result.cy);
  PumpMessages();
  EXPECT_EQ(Form1->Width(), c.result.cx);
  EXPECT_EQ(Form1->Height(), c.result.cy);
  if (c.given.cx == 611) {
    EXPECT_EQ(deepest, 3) << "height set, then width set, then no change";
  }
}

INSTANTIATE_TEST_SUITE_P(
    StatedSizes, UserResize,
    ::testing::Values(
        ResizeCase{"right edge to 611: the re-entered call moves the width to 612",
                   {600, 366},
                   {611, 366},
                   {612, 373}},
        ResizeCase{
            "right edge to 601: the height is already right", {600, 366}, {601, 366}, {601, 366}},
        ResizeCase{"bottom edge to 400", {600, 366}, {600, 400}, {656, 400}},
        ResizeCase{"corner to 700 x 400: the height wins", {600, 366}, {700, 400}, {656, 400}},
        ResizeCase{"height 300: the minimum width holds", {517, 315}, {517, 300}, {517, 300}},
        ResizeCase{"then width 800", {517, 300}, {800, 300}, {800, 488}},
        ResizeCase{"below the minimum size", {600, 366}, {400, 200}, {517, 235}}));

TEST_F(OptionsWindow, MaximisingSetsTheWidthFromTheMaximisedHeight) {
  ShowAndWait();
  ShowWindow(Form1->Handle(), SW_MAXIMIZE);
  PumpMessages();
  int height = Form1->Height();
  ASSERT_GT(height, 303);
  // The system keeps a window within its largest tracking size.
  int expected = std::min(options::WidthForHeight(height), GetSystemMetrics(SM_CXMAXTRACK));
  EXPECT_EQ(Form1->Width(), expected);
  EXPECT_EQ(LastWidth, Form1->Width());
  EXPECT_EQ(LastHeight, height);

  // A maximised window is not sized by the status bar's grip.
  RECT bar{};
  GetWindowRect(Form1->StatusBar1->Handle(), &bar);
  LPARAM grip = MAKELPARAM(bar.right - 4, bar.bottom - 4);
  EXPECT_EQ(SendMessageA(Form1->StatusBar1->Handle(), WM_NCHITTEST, 0, grip), HTCLIENT);
  ShowWindow(Form1->Handle(), SW_RESTORE);
  PumpMessages();
  GetWindowRect(Form1->StatusBar1->Handle(), &bar);
  grip = MAKELPARAM(bar.right - 4, bar.bottom - 4);
  EXPECT_EQ(SendMessageA(Form1->StatusBar1->Handle(), WM_NCHITTEST, 0, grip), HTBOTTOMRIGHT);
}

TEST_F(OptionsWindow, FirstShowingCentresOnTheVirtualScreenAndFocusesCancel) {
  ShowAndWait();
  int left = std::max(0, (GetSystemMetrics(SM_CXVIRTUALSCREEN) - 517) / 2);
  int top = std::max(0, (GetSystemMetrics(SM_CYVIRTUALSCREEN) - 303) / 2);
  EXPECT_EQ(Form1->Bounds(), (TBounds{left, top, 517, 303}));
  EXPECT_TRUE(PumpUntil([] { return GetFocus() == Form1->Button2->Handle(); }));

  // Later showings leave it where it was.
  Form1->Hide();
  SetWindowPos(Form1->Handle(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowAndWait();
  EXPECT_EQ(Form1->Left(), 40);
  EXPECT_EQ(Form1->Top(), 50);
}

TEST_F(OptionsWindow, TabGoesThroughTheControlsInTheirOrder) {
  Click(Form1->CheckBox3);  // shows the shutdown controls, which then take part
  ShowAndWait();
  const std::vector<TWinControl*> order = {
      Form1->Button2,       Form1->Button1,       Form1->Button3,
      Form1->CheckBox1,     Form1->CheckBox2,     Form1->CheckBox3,
      Form1->Shutdown_time, Form1->Shutdown_mode, Form1->Shutdown_warning};
  std::vector<std::string> seen;
  HWND control = order.front()->Handle();
  for (size_t i = 0; i <= order.size(); ++i) {
    seen.push_back(TWinControl::FromHandle(control) ? TWinControl::FromHandle(control)->Name()
                                                    : test_support::ClassNameOf(control));
    control = GetNextDlgTabItem(Form1->Handle(), control, FALSE);
  }
  std::vector<std::string> expected;
  for (TWinControl* c : order) expected.push_back(c->Name());
  expected.push_back("Button2");  // and round again
  EXPECT_EQ(seen, expected);
}

TEST_F(OptionsWindow, EscapeHidesTheWindowLikeCancel) {
  for (vcl::TWinControl* focus :
       {static_cast<TWinControl*>(Form1->Button2), static_cast<TWinControl*>(Form1->CheckBox1)}) {
    ShowAndWait();
    if (focus == Form1->CheckBox1) Click(Form1->CheckBox1);
    focus->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == focus->Handle(); }));
    PostMessageA(focus->Handle(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(focus->Handle(), WM_KEYUP, VK_ESCAPE, 0xC0010001);
    EXPECT_TRUE(PumpUntil([] { return !IsWindowVisible(Form1->Handle()); })) << focus->Name();
  }
  // Nothing was undone.
  EXPECT_TRUE(Form1->CheckBox1->Checked());
  EXPECT_TRUE(HideStart);
}

TEST_F(OptionsWindow, ApplyAndCancelHideTheWindowHelpShowsTheHelpWindow) {
  ShowAndWait();
  Click(Form1->Button3);
  EXPECT_TRUE(IsWindowVisible(HelpForm->Handle()));
  EXPECT_TRUE(IsWindowVisible(Form1->Handle()));
  Click(Form1->Button3);  // already visible: only comes to the front
  EXPECT_TRUE(IsWindowVisible(HelpForm->Handle()));
  HelpForm->Hide();

  Click(Form1->Button2);
  EXPECT_FALSE(IsWindowVisible(Form1->Handle()));
  ShowAndWait();
  Click(Form1->Button1);
  EXPECT_FALSE(IsWindowVisible(Form1->Handle()));
  EXPECT_FALSE(application_->Terminated());
}

TEST_F(OptionsWindow, ShutdownControlsFollowCheckBox3AndKeepTheirValues) {
  ShowAndWait();
  auto visible = [this] {
    std::vector<bool> shown;
    for (TWinControl* c : ShutdownControls()) shown.push_back(c->Visible());
    return shown;
  };
  EXPECT_EQ(visible(), std::vector<bool>(5, false));

  Click(Form1->CheckBox3);
  EXPECT_EQ(visible(), std::vector<bool>(5, true));
  Click(Form1->Shutdown_warning);
  Form1->Shutdown_mode->SetItemIndex(0);
  vcl::TDateTime chosen = vcl::EncodeDateTime({2030, 5, 6}, {18, 30, 0, 0});
  Form1->Shutdown_time->SetDateTime(chosen);

  // Hidden by Cancel and shown again: still visible, same values.
  Click(Form1->Button2);
  ShowAndWait();
  EXPECT_EQ(visible(), std::vector<bool>(5, true));

  // Unticked: hidden, but the values stay.
  Click(Form1->CheckBox3);
  EXPECT_EQ(visible(), std::vector<bool>(5, false));
  EXPECT_TRUE(Form1->Shutdown_warning->Checked());
  EXPECT_EQ(Form1->Shutdown_mode->ItemIndex(), 0);
  EXPECT_EQ(Form1->Shutdown_mode->Text(), "LogOff");
  EXPECT_EQ(Form1->Shutdown_time->DateTime(), chosen);
  Click(Form1->CheckBox3);
  EXPECT_EQ(visible(), std::vector<bool>(5, true));
  EXPECT_TRUE(Form1->Shutdown_warning->Checked());
}

TEST_F(OptionsWindow, TimePickerHoldsTheDateTimeOfCreationInTimeFormat) {
  vcl::TDateTime now = vcl::Now();
  vcl::TDateTime held = Form1->Shutdown_time->DateTime();
  EXPECT_LE(held, now);
  EXPECT_GT(held, now - 30 * vcl::kOneSecond);  // created moments ago, with its date
  HWND picker = Form1->Shutdown_time->Handle();
  EXPECT_EQ(test_support::ClassNameOf(picker), "SysDateTimePick32");
  EXPECT_EQ(GetWindowLongA(picker, GWL_STYLE) & DTS_TIMEFORMAT, DTS_TIMEFORMAT);
}

// A 12-hour format does not fit the 72 pixels laid out for the picker: cut off, its AM/PM would
// leave the chosen hour ambiguous, so the picker shows the 24-hour clock instead.
TEST_F(OptionsWindow, TimePickerShowsAnUnambiguousHour) {
  char format[80] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, format, sizeof format);
  if (std::string(format).find('t') == std::string::npos) {
    GTEST_SKIP() << "the system's time format is a 24-hour one here: " << format;
  }
  EXPECT_EQ(Form1->Shutdown_time->Format(), "HH':'mm':'ss");
  Click(Form1->CheckBox3);
  ShowAndWait();
  const vcl::TDateTime evening = vcl::EncodeDateTime({2026, 12, 11}, {18, 30, 5, 0});
  Form1->Shutdown_time->SetDateTime(evening);
  EXPECT_EQ(Form1->Shutdown_time->DateTime(), evening);
  char shown[64] = {};
  GetWindowTextA(Form1->Shutdown_time->Handle(), shown, sizeof shown);
  EXPECT_STREQ(shown, "18:30:05");
}

TEST_F(OptionsWindow, TimePickerEditsTheTimeOfDayAndKeepsTheDate) {
  Click(Form1->CheckBox3);
  ShowAndWait();
  vcl::TDateTimePicker* picker = Form1->Shutdown_time;
  const vcl::TDateTime set = vcl::EncodeDateTime({2024, 2, 29}, {23, 59, 30, 250});
  picker->SetDateTime(set);
  EXPECT_EQ(picker->DateTime(), set);

  // The user steps the hour up past midnight: the time of day wraps, the date stays.
  picker->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == picker->Handle(); }));
  // A click selects the hour field, the Up key steps it.
  SendMessageA(picker->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 10));
  SendMessageA(picker->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(6, 10));
  SendMessageA(picker->Handle(), WM_KEYDOWN, VK_UP, 0);
  SendMessageA(picker->Handle(), WM_KEYUP, VK_UP, 0);
  PumpMessages();
  vcl::TDateTime edited = picker->DateTime();
  EXPECT_EQ(vcl::DecodeDate(edited), (vcl::TDateParts{2024, 2, 29}));
  EXPECT_EQ(vcl::DecodeTime(edited), (vcl::TTimeParts{0, 59, 30, 250}));
}

class ModeBox : public OptionsWindow {
 protected:
  void SetUp() override {
    OptionsWindow::SetUp();
    Click(Form1->CheckBox3);
    ShowAndWait();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(Form1->Shutdown_mode->Handle(), &info));
    edit_ = info.hwndItem;
    list_ = info.hwndList;
    SetFocus(edit_);
  }

  void Type(const std::string& keys) {
    for (char key : keys) SendMessageA(edit_, WM_CHAR, static_cast<unsigned char>(key), 1);
    PumpMessages();
  }
  std::pair<DWORD, DWORD> Selection() const {
    DWORD start = 0, end = 0;
    SendMessageA(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }

  HWND edit_ = nullptr;
  HWND list_ = nullptr;
};

TEST_F(ModeBox, HoldsTwoItemsWithShutDownSelected) {
  abf::TabfComboBox* box = Form1->Shutdown_mode;
  EXPECT_EQ(box->ItemIndex(), 1);
  EXPECT_EQ(box->Text(), "ShutDown");
  ASSERT_EQ(SendMessageA(box->Handle(), CB_GETCOUNT, 0, 0), 2);
  char item[32] = {};
  SendMessageA(box->Handle(), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, "LogOff");
  EXPECT_EQ(GetWindowLongA(box->Handle(), GWL_STYLE) & 3, CBS_DROPDOWN);
  EXPECT_EQ(SendMessageA(box->Handle(), CB_GETITEMHEIGHT, 0, 0), 15);
  EXPECT_EQ(box->Bounds().height, 21);

  // Dropped down, the list shows both items.
  SendMessageA(box->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  PumpMessages();
  RECT list{};
  GetClientRect(list_, &list);
  EXPECT_GE(list.bottom, 2 * 15);
  SendMessageA(box->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(ModeBox, TypedTextIsCompletedFromTheItems) {
  abf::TabfComboBox* box = Form1->Shutdown_mode;
  SetWindowTextA(edit_, "");
  Type("l");
  EXPECT_EQ(box->Text(), "LogOff");
  EXPECT_EQ(box->ItemIndex(), 0);
  EXPECT_EQ(Selection(), (std::pair<DWORD, DWORD>{1, 6}));  // the completed part is selected

  Type("x");  // replaces the completion; no item starts so
  EXPECT_EQ(box->Text(), "Lx");
  EXPECT_EQ(box->ItemIndex(), -1);

  Type("\b");  // deleting is not completed again
  EXPECT_EQ(box->Text(), "L");
  EXPECT_EQ(box->ItemIndex(), -1);

  Type("ogoff");
  EXPECT_EQ(box->Text(), "LogOff");
  EXPECT_EQ(box->ItemIndex(), 0);

  Type("s");
  EXPECT_EQ(box->ItemIndex(), -1);
  Type("\b");  // back to an item's exact text: that item is selected again
  EXPECT_EQ(box->ItemIndex(), 0);

  // The arrow keys step through the list.
  SendMessageA(edit_, WM_KEYDOWN, VK_DOWN, 0);
  PumpMessages();
  EXPECT_EQ(box->ItemIndex(), 1);
  EXPECT_EQ(box->Text(), "ShutDown");
}

}  // namespace
