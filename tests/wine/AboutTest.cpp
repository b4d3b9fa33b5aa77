// The About window in the test's own process: its layout, the link, and what dismisses it.
#include <gtest/gtest.h>

#include <string>

#include "info/Unit2.h"
#include "info/Unit3.h"
#include "options/Unit1.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Image.h"
#include "platform/vcl/Label.h"
#include "tests/support/WindowQueries.h"
#include "tests/wine/InProcess.h"
#include "tests/wine/InfoTestSupport.h"
#include "tests/wine/UserInput.h"

namespace {

using namespace test_support;

class AboutWindow : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    About->Show();
    PumpUntil([] { return GetForegroundWindow() == About->Handle(); });
    PumpFor(100);
  }

  bool Visible() const { return IsWindowVisible(About->Handle()) != FALSE; }
};

TEST_F(AboutWindow, IsLaidOutAsStored) {
  ExpectSizeableAlwaysOnTop(About->Handle(), "About");
  EXPECT_EQ(About->Bounds(), (vcl::TBounds{416, 200, 367, 264}));
  EXPECT_EQ(About->Color(), vcl::clBtnFace);
  EXPECT_STREQ(About->Font().Attributes().name, "MS Sans Serif");
  EXPECT_EQ(About->Font().Attributes().height, -11);
  EXPECT_EQ(About->Font().Color(), vcl::clWindowText);
  ExpectWindowIcons(About->Handle());

  ExpectCreatedInOrder(*About, {"Image1", "Label2", "Label3", "Label1", "Label4", "OK"});

  struct Expected {
    vcl::TWinControl* control;
    int left, top;
    std::string text;
  };
  const Expected controls[] = {
      {About->Image1, 40, 40, ""},
      {About->Label2, 104, 64, "Version 1.34"},
      {About->Label3, 104, 88, "Copyright (C) 2026 Calvorin Labs"},
      {About->Label1, 104, 32, "Calvorin"},
      {About->Label4, 104, 120, "Visit to http://www.calvorin.example/"},
      {About->OK, 144, 179, "OK"},
  };
  for (const Expected& e : controls) {
    vcl::TBounds b = e.control->Bounds();
    EXPECT_EQ(b.left, e.left) << e.control->Name();
    EXPECT_EQ(b.top, e.top) << e.control->Name();
    EXPECT_EQ(e.control->Caption(), e.text) << e.control->Name();
    EXPECT_TRUE(IsWindowVisible(e.control->Handle())) << e.control->Name();
  }
  EXPECT_EQ(About->Image1->Bounds(), (vcl::TBounds{40, 40, 49, 49}));
  EXPECT_EQ(About->OK->Bounds(), (vcl::TBounds{144, 179, 75, 25}));
  EXPECT_EQ(About->OK->Anchors(), vcl::akLeft | vcl::akBottom);
  EXPECT_EQ(About->OK->TabOrder(), 0);
  EXPECT_FALSE(About->OK->Default());
  EXPECT_FALSE(About->OK->Cancel());

  // Labels fit their text in their own fonts: the product name is the largest.
  ExpectFont(About->Label1->Handle(), "MS Sans Serif", -19);
  ExpectFont(About->Label2->Handle(), "MS Sans Serif", -11);
  ExpectFont(About->Label4->Handle(), "MS Sans Serif", -11);
  for (vcl::TLabel* label : {About->Label1, About->Label2, About->Label3, About->Label4}) {
    ExpectSizedToText(*label);
  }
  EXPECT_GT(About->Label1->Height(), About->Label2->Height());
  EXPECT_EQ(About->Label1->Font().Color(), vcl::clWindowText);
  EXPECT_EQ(About->Label4->Font().Color(), vcl::clBlack);
  EXPECT_EQ(About->Label4->Color(), vcl::clBtnFace);
  EXPECT_EQ(About->Label4->Cursor(), vcl::TCursor::crHandPoint);
  EXPECT_EQ(About->Label1->Cursor(), vcl::TCursor::crDefault);
}

TEST_F(AboutWindow, PictureIsTheProgramIconAtTheStandardSizeFromTheTopLeftCorner) {
  ExpectIconOfStandardSize(About->Image1->Icon(), "MAINICON");
  ExpectPictureDrawnAtTopLeft(*About->Image1, GetSysColor(COLOR_BTNFACE));
}

TEST_F(AboutWindow, LinkTurnsBlueUnderThePointerAndBlackWhenItLeaves) {
  HWND link = About->Label4->Handle();
  MoveMouseTo(ClientToScreenPoint(About->Handle(), 20, 20));
  EXPECT_FALSE(About->Label4->MouseInside());

  MoveMouseTo(CentreOf(link));
  EXPECT_TRUE(About->Label4->MouseInside());
  EXPECT_EQ(About->Label4->Font().Color(), 0xFF0000u);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));  // IDC_HAND
  EXPECT_TRUE(WindowShowsColour(link, RGB(0, 0, 255)));

  MoveMouseTo(ClientToScreenPoint(About->Handle(), 20, 20));
  EXPECT_TRUE(PumpUntil([] { return !About->Label4->MouseInside(); }, 3000));
  EXPECT_EQ(About->Label4->Font().Color(), 0u);
  EXPECT_FALSE(WindowShowsColour(link, RGB(0, 0, 255)));
  EXPECT_TRUE(WindowShowsColour(link, RGB(0, 0, 0)));
  EXPECT_TRUE(Visible());
}

TEST_F(AboutWindow, PressesOnTheControlsDoNothingAndOnTheFreeBackgroundHide) {
  struct Case {
    const char* what;
    POINT (*where)();
    TButton button;
    bool hides;
  };
  const Case cases[] = {
      {"picture", [] { return CentreOf(About->Image1->Handle()); }, TButton::kLeft, false},
      {"picture, right", [] { return CentreOf(About->Image1->Handle()); }, TButton::kRight, false},
      {"product name", [] { return CentreOf(About->Label1->Handle()); }, TButton::kLeft, false},
      {"version", [] { return CentreOf(About->Label2->Handle()); }, TButton::kLeft, false},
      {"copyright", [] { return CentreOf(About->Label3->Handle()); }, TButton::kLeft, false},
      {"link, right", [] { return CentreOf(About->Label4->Handle()); }, TButton::kRight, false},
      {"background", [] { return ClientToScreenPoint(About->Handle(), 20, 200); }, TButton::kLeft,
       true},
      {"background, right", [] { return ClientToScreenPoint(About->Handle(), 300, 20); },
       TButton::kRight, true},
      {"background, middle", [] { return ClientToScreenPoint(About->Handle(), 300, 150); },
       TButton::kMiddle, true},
      // Between the picture and the text, and just below the picture's box.
      {"gap", [] { return ClientToScreenPoint(About->Handle(), 96, 70); }, TButton::kLeft, true},
      {"OK", [] { return CentreOf(About->OK->Handle()); }, TButton::kLeft, true},
  };
  for (const Case& c : cases) {
    About->Show();
    PumpFor(100);
    ASSERT_TRUE(Visible()) << c.what;
    ClickAt(c.where(), c.button);
    EXPECT_EQ(Visible(), !c.hides) << c.what;
  }
}

TEST_F(AboutWindow, EnterAndSpaceOnTheFocusedOkHideEscapeAndOtherKeysDoNot) {
  struct Case {
    const char* what;
    WORD key;
    bool hides;
  };
  const Case cases[] = {
      {"Escape", VK_ESCAPE, false}, {"a letter", 'A', false},  {"Tab", VK_TAB, false},
      {"Enter", VK_RETURN, true},   {"Space", VK_SPACE, true},
  };
  for (const Case& c : cases) {
    About->Show();
    PumpFor(100);
    ASSERT_TRUE(Visible()) << c.what;
    // Activation gives the focus to OK, the only control that takes it.
    EXPECT_TRUE(About->OK->Focused()) << c.what;
    PressKey(c.key);
    EXPECT_EQ(Visible(), !c.hides) << c.what;
  }
}

TEST_F(AboutWindow, CharacterReachingTheWindowItselfHidesIt) {
  // Only when OK cannot take the focus does the window keep it for itself.
  About->Hide();
  About->OK->SetEnabled(false);
  About->Show();
  PumpFor(100);
  ASSERT_EQ(GetFocus(), About->Handle());
  PressKey(VK_ESCAPE);  // no character
  EXPECT_TRUE(Visible());
  PressKey('X');
  EXPECT_FALSE(Visible());
}

TEST_F(AboutWindow, ShowingItAgainOnlyBringsItToTheFront) {
  About->SetBounds({100, 120, 400, 300});
  About->Label4->SetFontColor(0xFF0000);
  HelpForm->Show();
  PumpFor(100);
  ASSERT_TRUE(IsAbove(HelpForm->Handle(), About->Handle()));

  Form1->About1Click(Form1);  // the tray menu's About
  PumpFor(100);
  EXPECT_TRUE(IsAbove(About->Handle(), HelpForm->Handle()));
  EXPECT_EQ(GetForegroundWindow(), About->Handle());
  EXPECT_EQ(About->Bounds(), (vcl::TBounds{100, 120, 400, 300}));
  EXPECT_EQ(About->Label4->Font().Color(), 0xFF0000u);
  EXPECT_TRUE(IsWindowVisible(HelpForm->Handle()));
}

TEST_F(AboutWindow, ClosingFromTheTitleBarHidesItAndItComesBackAsItWas) {
  About->SetBounds({150, 160, 367, 264});
  SendMessageA(About->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  PumpFor(50);
  EXPECT_FALSE(Visible());
  EXPECT_TRUE(IsWindow(About->Handle()));
  About->Show();
  PumpFor(50);
  EXPECT_TRUE(Visible());
  EXPECT_EQ(About->Bounds(), (vcl::TBounds{150, 160, 367, 264}));
}

TEST_F(AboutWindow, ScrollsWhenMadeSmallerThanItsControls) {
  About->SetBounds({416, 200, 200, 120});
  PumpFor(50);
  LONG style = GetWindowLongA(About->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_HSCROLL);
  EXPECT_TRUE(style & WS_VSCROLL);
  About->SetBounds({416, 200, 367, 264});
  PumpFor(50);
  style = GetWindowLongA(About->Handle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL));
  EXPECT_EQ(About->Image1->Bounds(), (vcl::TBounds{40, 40, 49, 49}));
}

}  // namespace
