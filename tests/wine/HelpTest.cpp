// The Help window in the test's own process: its page, its text boxes, scrolling and hiding.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "info/Unit2.h"
#include "info/Unit3.h"
#include "options/Unit1.h"
#include "platform/vcl/BitBtn.h"
#include "platform/vcl/Image.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Memo.h"
#include "tests/support/WindowQueries.h"
#include "tests/wine/InProcess.h"
#include "tests/wine/InfoTestSupport.h"
#include "tests/wine/UserInput.h"

namespace {

using namespace test_support;

class HelpWindow : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ShowHelpWindow();
    PumpUntil([] { return GetForegroundWindow() == HelpForm->Handle(); });
    PumpFor(100);
  }

  bool Visible() const { return IsWindowVisible(HelpForm->Handle()) != FALSE; }
};

struct MemoCase {
  vcl::TMemo* THelpForm::*memo;
  vcl::TBounds bounds;
  int tabOrder;
  std::vector<std::string> lines;
};

std::vector<MemoCase> Memos() {
  return {
      {&THelpForm::Memo1,
       {120, 160, 401, 57},
       1,
       {"This is main icon of program.",
        "When program is started icon will come up for near by clock.",
        "To call the main menu of program press on icon by mouse button."}},
      {&THelpForm::Memo2,
       {160, 272, 313, 57},
       2,
       {"The main window of options program.",
        "Choose necessary options and press the \"Apply\" button."}},
      {&THelpForm::Memo3, {160, 352, 305, 57}, 3, {"Help"}},
      {&THelpForm::Memo4, {160, 440, 329, 57}, 4, {"About"}},
      {&THelpForm::Memo5,
       {160, 528, 401, 65},
       5,
       {"Exit of program.", "When program is terminated all adjusting ",
        "the icon a button START restore  if they there were is hidden."}},
      {&THelpForm::Memo6,
       {56, 56, 521, 65},
       6,
       {"Protect your PC from Calvorin!", "",
        "Calvorin is your solution for parental control software.",
        "It helps protect against harmful content online as well as control or block them from "
        "programs on your PC or ",
        "your personal files."}},
  };
}

struct PictureCase {
  vcl::TImage* THelpForm::*image;
  vcl::TBounds bounds;
  const char* icon;
};

const PictureCase kPictures[] = {
    {&THelpForm::Image1, {88, 272, 57, 57}, "OPTIONSICON"},
    {&THelpForm::Image2, {88, 528, 57, 57}, "POWERICON"},
    {&THelpForm::Image3, {56, 160, 49, 49}, "MAINICON"},
    {&THelpForm::Image4, {88, 352, 57, 57}, "QUESTIONICON"},
    {&THelpForm::Image5, {88, 440, 49, 57}, "SEARCHICON"},
};

TEST_F(HelpWindow, IsLaidOutAsStored) {
  ExpectSizeableAlwaysOnTop(HelpForm->Handle(), "Help");
  EXPECT_EQ(HelpForm->Bounds(), (vcl::TBounds{413, 104, 655, 698}));
  LONG style = GetWindowLongA(HelpForm->Handle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL));  // everything fits as laid out
  EXPECT_EQ(HelpForm->Color(), vcl::clWindow);
  EXPECT_STREQ(HelpForm->Font().Attributes().name, "MS Sans Serif");
  EXPECT_EQ(HelpForm->Font().Attributes().height, -11);
  ExpectFont(HelpForm->Memo1->Handle(), "MS Sans Serif", -11);
  ExpectWindowIcons(HelpForm->Handle());

  ExpectCreatedInOrder(
      *HelpForm, {"Image1", "Image2", "Image3", "Image4", "Image5", "Label1", "BitBtn1", "Memo1",
                  "Memo2", "Memo3", "Memo4", "Memo5", "Memo6"});

  EXPECT_EQ(HelpForm->BitBtn1->Bounds(), (vcl::TBounds{8, 8, 75, 25}));
  EXPECT_EQ(HelpForm->BitBtn1->Caption(), "Close");
  EXPECT_EQ(HelpForm->BitBtn1->TabOrder(), 0);
  EXPECT_FALSE(HelpForm->BitBtn1->Cancel());
  EXPECT_FALSE(HelpForm->BitBtn1->Default());
  EXPECT_EQ(HelpForm->BitBtn1->Glyph(), nullptr);

  EXPECT_EQ(HelpForm->Label1->Caption(), "The main menu of program:");
  EXPECT_EQ(HelpForm->Label1->Left(), 88);
  EXPECT_EQ(HelpForm->Label1->Top(), 240);
  ExpectSizedToText(*HelpForm->Label1);

  for (const PictureCase& p : kPictures) {
    vcl::TImage* image = HelpForm->*p.image;
    EXPECT_EQ(image->Bounds(), p.bounds) << image->Name();
    EXPECT_TRUE(IsWindowVisible(image->Handle())) << image->Name();
  }
}

TEST_F(HelpWindow, TextBoxesHoldTheirLinesDisabledWithoutFrameOrScrollBars) {
  for (const MemoCase& m : Memos()) {
    vcl::TMemo* memo = HelpForm->*m.memo;
    SCOPED_TRACE(memo->Name());
    EXPECT_EQ(memo->Bounds(), m.bounds);
    EXPECT_EQ(memo->Lines(), m.lines);
    EXPECT_EQ(memo->TabOrder(), m.tabOrder);
    EXPECT_FALSE(memo->Enabled());
    EXPECT_EQ(memo->Color(), vcl::clWindow);
    EXPECT_EQ(memo->BorderStyle(), vcl::TBorderStyle::bsNone);
    LONG style = GetWindowLongA(memo->Handle(), GWL_STYLE);
    LONG exStyle = GetWindowLongA(memo->Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_FALSE(style & ES_AUTOHSCROLL);  // word wrap
    EXPECT_FALSE(style & (WS_BORDER | WS_HSCROLL | WS_VSCROLL));
    EXPECT_FALSE(exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE));
    // Drawn in the system's grey on the page's white, nothing in black.
    EXPECT_TRUE(WindowShowsColour(memo->Handle(), GetSysColor(COLOR_GRAYTEXT)));
    EXPECT_FALSE(WindowShowsColour(memo->Handle(), RGB(0, 0, 0)));
  }
  // Long lines wrap at the box's width: a narrower box shows more lines than it was given.
  HWND intro = HelpForm->Memo6->Handle();
  EXPECT_EQ(SendMessageA(intro, EM_GETLINECOUNT, 0, 0), 5);
  HelpForm->Memo6->SetWidth(260);
  EXPECT_GT(SendMessageA(intro, EM_GETLINECOUNT, 0, 0), 5);
}

TEST_F(HelpWindow, PicturesAreTheirIconsAtTheStandardSizeFromTheTopLeftCorner) {
  for (const PictureCase& p : kPictures) {
    vcl::TImage* image = HelpForm->*p.image;
    ExpectIconOfStandardSize(image->Icon(), p.icon);
    ExpectPictureDrawnAtTopLeft(*image, GetSysColor(COLOR_WINDOW));
  }
}

TEST_F(HelpWindow, TextBoxesTakeNoFocusAndTheirTextCannotBeSelected) {
  ASSERT_TRUE(HelpForm->BitBtn1->Focused());
  for (int i = 0; i < 3; ++i) {
    PressKey(VK_TAB);
    EXPECT_TRUE(HelpForm->BitBtn1->Focused()) << "Tab " << i;
  }
  for (const MemoCase& m : Memos()) {
    vcl::TMemo* memo = HelpForm->*m.memo;
    RECT r{};
    GetWindowRect(memo->Handle(), &r);
    ClickAt({r.left + 5, r.top + 5});
    DragFromTo({r.left + 2, r.top + 3}, {r.right - 3, r.bottom - 3});
    EXPECT_TRUE(HelpForm->BitBtn1->Focused()) << memo->Name();
    DWORD start = 0, end = 0;
    SendMessageA(memo->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end) << memo->Name();
    EXPECT_TRUE(Visible());
  }
}

TEST_F(HelpWindow, EscapeDoesNothingCloseAndTheTitleBarHide) {
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Visible());

  ClickAt(CentreOf(HelpForm->BitBtn1->Handle()));
  EXPECT_FALSE(Visible());

  ShowHelpWindow();
  PumpFor(100);
  ASSERT_TRUE(Visible());
  PressKey(VK_SPACE);  // the Close button has the focus again
  EXPECT_FALSE(Visible());

  ShowHelpWindow();
  PumpFor(100);
  SendMessageA(HelpForm->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  PumpFor(50);
  EXPECT_FALSE(Visible());
  EXPECT_TRUE(IsWindow(HelpForm->Handle()));
}

TEST_F(HelpWindow, ScrollsOverItsControlsWhenMadeSmallerAndShowsThemAsLaidOutAgainWhenLarger) {
  HelpForm->SetBounds({300, 100, 400, 300});
  PumpFor(50);
  LONG style = GetWindowLongA(HelpForm->Handle(), GWL_STYLE);
  ASSERT_TRUE(style & WS_VSCROLL);
  ASSERT_TRUE(style & WS_HSCROLL);
  SIZE client = HelpForm->ClientSize();
  const vcl::TAutoScroll& scroll = *HelpForm->AutoScroll();
  EXPECT_EQ(scroll.Vertical().range, 528 + 65);    // down to the bottom of Memo5
  EXPECT_EQ(scroll.Horizontal().range, 56 + 521);  // across to the right edge of Memo6
  EXPECT_EQ(scroll.Vertical().page, client.cy);

  SendMessageA(HelpForm->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  SendMessageA(HelpForm->Handle(), WM_HSCROLL, SB_BOTTOM, 0);
  PumpFor(50);
  vcl::TBounds memo5 = HelpForm->Memo5->Bounds();
  vcl::TBounds memo6 = HelpForm->Memo6->Bounds();
  EXPECT_EQ(memo5.top + memo5.height, client.cy);
  EXPECT_EQ(memo6.left + memo6.width, client.cx);
  EXPECT_EQ(GetScrollPos(HelpForm->Handle(), SB_VERT), 593 - client.cy);

  SendMessageA(HelpForm->Handle(), WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(HelpForm->Memo5->Top(), memo5.top + 8);

  // Hidden and shown again, it is as the user left it.
  HelpForm->BitBtn1->Click();
  ShowHelpWindow();
  PumpFor(50);
  EXPECT_EQ(HelpForm->Memo5->Top(), memo5.top + 8);

  HelpForm->SetBounds({413, 104, 655, 698});
  PumpFor(50);
  style = GetWindowLongA(HelpForm->Handle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL));
  for (const MemoCase& m : Memos()) {
    EXPECT_EQ((HelpForm->*m.memo)->Bounds(), m.bounds) << (HelpForm->*m.memo)->Name();
  }
  EXPECT_EQ(HelpForm->BitBtn1->Bounds(), (vcl::TBounds{8, 8, 75, 25}));
}

TEST_F(HelpWindow, ShowingItAgainOnlyBringsItToTheFront) {
  HelpForm->SetBounds({200, 50, 500, 400});
  SendMessageA(HelpForm->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  int memo1Top = HelpForm->Memo1->Top();
  About->Show();
  PumpFor(100);
  ASSERT_TRUE(IsAbove(About->Handle(), HelpForm->Handle()));

  // The Options window's Help button and the tray menu's Help both come here.
  Form1->Button3Click(Form1);
  PumpFor(100);
  EXPECT_TRUE(IsAbove(HelpForm->Handle(), About->Handle()));
  EXPECT_EQ(GetForegroundWindow(), HelpForm->Handle());
  EXPECT_EQ(HelpForm->Bounds(), (vcl::TBounds{200, 50, 500, 400}));
  EXPECT_EQ(HelpForm->Memo1->Top(), memo1Top);
  EXPECT_TRUE(IsWindowVisible(About->Handle()));
}

}  // namespace
