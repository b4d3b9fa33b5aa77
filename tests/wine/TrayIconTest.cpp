// The tray icon of the Options window, in the test's own process: what it tells the shell and
// when, how it answers the icon's notifications, and its hook on the application window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "info/Unit3.h"
#include "options/Unit1.h"
#include "platform/abf/TrayIcon.h"
#include "platform/rx/PopupMenu.h"
#include "platform/vcl/ImageList.h"
#include "tests/support/WindowQueries.h"
#include "tests/wine/InProcess.h"
#include "tests/wine/NotifyIconRecorder.h"

namespace {

using test_support::TNotifyIconCall;
using test_support::TNotifyIconRecorder;

constexpr UINT kAlways = NIF_MESSAGE | NIF_TIP;

// Asked without being recorded: whether the shell has an icon of that window with identifier 0.
bool ShellHasIcon(HWND window) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  return TNotifyIconRecorder::Original(NIM_MODIFY, &data) != FALSE;
}

class TrayIconTest : public test_support::ProgramTest {
 protected:
  void SetUp() override {
    // Where reading the layout had got to at each call: is the image list, read last, there yet?
    recorder_.OnCall = [this](const TNotifyIconCall&) {
      imageListReadAtCall_.push_back(Form1 != nullptr && Form1->ImageList1 != nullptr);
    };
    ProgramTest::SetUp();
    icon_ = Form1->abfTrayIcon1;
    tray_ = icon_->Handle();
  }

  void Notify(UINT mouseMessage) {
    SendMessageA(tray_, abf::TabfTrayIcon::kCallbackMessage, 0, mouseMessage);
  }

  TNotifyIconRecorder recorder_;
  std::vector<bool> imageListReadAtCall_;
  abf::TabfTrayIcon* icon_ = nullptr;
  HWND tray_ = nullptr;
};

void ExpectDescribes(const TNotifyIconCall& call, HWND tray, HICON icon, UINT flags) {
  EXPECT_EQ(call.data.cbSize, sizeof(NOTIFYICONDATAA));
  EXPECT_EQ(call.data.hWnd, tray);
  EXPECT_EQ(call.data.uID, 0u);
  EXPECT_EQ(call.data.uFlags, flags);
  EXPECT_EQ(call.data.uCallbackMessage, 1235u);
  EXPECT_EQ(call.data.hIcon, icon);
  EXPECT_EQ(std::string(call.data.szTip, sizeof call.data.szTip),
            std::string(sizeof call.data.szTip, '\0'));
}

TEST_F(TrayIconTest, AddedWhenVisibleIsReadAndOnceMoreWhenLoadingCompletes) {
  std::vector<TNotifyIconCall> calls = recorder_.Calls();
  ASSERT_EQ(calls.size(), 2u);
  for (const TNotifyIconCall& call : calls) {
    EXPECT_EQ(call.command, static_cast<DWORD>(NIM_ADD));
    ExpectDescribes(call, tray_, icon_->IconHandle(), kAlways | NIF_ICON);
  }
  EXPECT_TRUE(calls[0].result);
  EXPECT_FALSE(calls[1].result);  // the shell refuses an icon it already has
  EXPECT_EQ(imageListReadAtCall_, (std::vector<bool>{false, true}));
  EXPECT_TRUE(ShellHasIcon(tray_));
  EXPECT_FALSE(application_->ShowMainForm);

  // The picture is the main icon at the small icon size.
  ASSERT_NE(icon_->IconHandle(), nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon_->IconHandle(), &info));
  BITMAP colour{};
  GetObjectA(info.hbmColor, sizeof colour, &colour);
  EXPECT_EQ(colour.bmWidth, GetSystemMetrics(SM_CXSMICON));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
}

TEST_F(TrayIconTest, ItsWindowIsTopLevelAndNeverHoldsUpTheEndOfTheSession) {
  EXPECT_EQ(GetParent(tray_), nullptr);
  EXPECT_EQ(GetAncestor(tray_, GA_PARENT), GetDesktopWindow());
  EXPECT_FALSE(IsWindowVisible(tray_));
  EXPECT_EQ(SendMessageA(tray_, WM_QUERYENDSESSION, 0, 0), TRUE);
}

TEST_F(TrayIconTest, ExitRemovesTheIconAfterTheOptionsWindowIsDestroyed) {
  auto formDestroy = Form1->OnDestroy;
  Form1->OnDestroy = [this, formDestroy](vcl::TObject* sender) {
    recorder_.Note("FormDestroy");
    if (formDestroy) formDestroy(sender);
  };
  recorder_.Clear();
  EndProgram();
  EXPECT_EQ(recorder_.Log(), (std::vector<std::string>{"FormDestroy", "delete"}));
  std::vector<TNotifyIconCall> calls = recorder_.Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].data.hWnd, tray_);
  EXPECT_EQ(calls[0].data.uFlags, kAlways);
  EXPECT_TRUE(calls[0].result);
  EXPECT_FALSE(ShellHasIcon(tray_));
}

TEST_F(TrayIconTest, TaskbarCreatedAddsTheIconAgainAndShowsTheOptionsWindow) {
  HICON picture = icon_->IconHandle();
  recorder_.Clear();
  SendMessageA(tray_, abf::TabfTrayIcon::TaskbarCreatedMessage(), 0, 0);
  EXPECT_EQ(recorder_.Log(), (std::vector<std::string>{"delete", "add"}));
  std::vector<TNotifyIconCall> calls = recorder_.Calls();
  ASSERT_EQ(calls.size(), 2u);
  ExpectDescribes(calls[0], tray_, picture, kAlways);
  ExpectDescribes(calls[1], tray_, picture, kAlways | NIF_ICON);
  EXPECT_TRUE(ShellHasIcon(tray_));
  EXPECT_TRUE(IsWindowVisible(Form1->Handle()));
  // The application window is not left visible, where a shell could give it a button.
  EXPECT_FALSE(IsWindowVisible(application_->Handle()));
  EXPECT_FALSE(IsIconic(application_->Handle()));
}

TEST_F(TrayIconTest, TaskbarCreatedLeavesARemovedIconAlone) {
  icon_->SetVisible(false);
  recorder_.Clear();
  SendMessageA(tray_, abf::TabfTrayIcon::TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(recorder_.Log().empty());
  EXPECT_FALSE(IsWindowVisible(Form1->Handle()));
  EXPECT_FALSE(ShellHasIcon(tray_));
}

TEST_F(TrayIconTest, DoubleClickTogglesTheOptionsWindowWhileEnabled) {
  Notify(WM_LBUTTONDBLCLK);
  EXPECT_TRUE(IsWindowVisible(Form1->Handle()));
  EXPECT_FALSE(IsWindowVisible(application_->Handle()));
  Notify(WM_LBUTTONDBLCLK);
  EXPECT_FALSE(IsWindowVisible(Form1->Handle()));

  icon_->SetEnabled(false);
  Notify(WM_LBUTTONDBLCLK);
  EXPECT_FALSE(IsWindowVisible(Form1->Handle()));
  EXPECT_TRUE(recorder_.Calls().size() == 2u);  // nothing since start
}

TEST_F(TrayIconTest, MinimisingTheOptionsWindowHidesItEveryTime) {
  recorder_.Clear();
  for (int round = 1; round <= 2; ++round) {
    Form1->Show();
    SendMessageA(Form1->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(Form1->Handle())) << round;
    EXPECT_FALSE(IsWindowVisible(application_->Handle())) << round;
  }
  // The icon stays as it was: it is shown, so nothing is added.
  EXPECT_TRUE(recorder_.Log().empty());
  EXPECT_TRUE(ShellHasIcon(tray_));
}

// What a release notification leads to while the menu is open, seen from a timer that the
// menu's own message loop runs.
struct TMenuVisit {
  HWND tray = nullptr;
  HWND menu = nullptr;
  RECT rect{};
  HWND foreground = nullptr;
  int menusAfterAnotherRelease = 0;
};
TMenuVisit visit;

int VisibleMenusOfThisThread() {
  int count = 0;
  for (HWND window : test_support::TopLevelWindowsOfThread(GetCurrentThreadId())) {
    if (test_support::ClassNameOf(window) == "#32768" && IsWindowVisible(window)) {
      ++count;
      visit.menu = window;
    }
  }
  return count;
}

void CALLBACK LookAtTheOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (VisibleMenusOfThisThread() == 1) {
    GetWindowRect(visit.menu, &visit.rect);
    visit.foreground = GetForegroundWindow();
    SendMessageA(visit.tray, abf::TabfTrayIcon::kCallbackMessage, 0, WM_RBUTTONUP);
    visit.menusAfterAnotherRelease = VisibleMenusOfThisThread();
  }
  EndMenu();
}

TEST_F(TrayIconTest, ReleaseOpensTheMenuAtThePointerWithTheOptionsWindowInFront) {
  for (UINT release : {WM_LBUTTONUP, WM_RBUTTONUP}) {
    visit = TMenuVisit{.tray = tray_};
    SetCursorPos(200, 150);
    UINT_PTR timer = SetTimer(nullptr, 0, 100, LookAtTheOpenMenu);
    Notify(release);  // returns once the menu has closed
    KillTimer(nullptr, timer);
    ASSERT_NE(visit.menu, nullptr) << release;
    EXPECT_EQ(visit.rect.left, 200) << release;
    EXPECT_EQ(visit.rect.top, 150) << release;
    EXPECT_EQ(visit.foreground, Form1->Handle()) << release;
    EXPECT_EQ(visit.menusAfterAnotherRelease, 1) << release;
    EXPECT_EQ(Form1->RxPopupMenu1->PopupComponent(), icon_);
    // WM_NULL to the Options window follows the menu.
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, Form1->Handle(), WM_NULL, WM_NULL, PM_REMOVE)) << release;
    EXPECT_FALSE(IsWindowVisible(Form1->Handle())) << release;  // in front, yet still hidden
  }
}

TEST_F(TrayIconTest, OtherNotificationsOpenNoMenu) {
  icon_->SetPopupByLeft(false);
  // Should a menu open all the same, the timer closes it so that the test can fail.
  visit = TMenuVisit{.tray = tray_};
  UINT_PTR timer = SetTimer(nullptr, 0, 200, LookAtTheOpenMenu);
  for (UINT other : {UINT{WM_LBUTTONUP}, UINT{WM_LBUTTONDOWN}, UINT{WM_MBUTTONUP},
                     UINT{WM_RBUTTONDOWN}, UINT{WM_MOUSEMOVE}, UINT{0x0402}, UINT{0xFFFF}}) {
    Notify(other);
  }
  KillTimer(nullptr, timer);
  EXPECT_EQ(visit.menu, nullptr);
}

TEST_F(TrayIconTest, NoMenuOpensWhenAQuitMessageWasWaiting) {
  visit = TMenuVisit{.tray = tray_};
  UINT_PTR timer = SetTimer(nullptr, 0, 200, LookAtTheOpenMenu);
  PostQuitMessage(0);
  Notify(WM_RBUTTONUP);
  KillTimer(nullptr, timer);
  EXPECT_EQ(visit.menu, nullptr);
  EXPECT_TRUE(application_->Terminated());
}

// The hook on the application window, with no program around it.
LONG_PTR ProcedureOf(HWND window) {
  return GetWindowLongPtrA(window, GWLP_WNDPROC);
}

TEST(TrayIconHook, InPlaceWhileAnIconLivesAndGivenBackByTheLast) {
  vcl::TApplication application;
  HWND window = application.Handle();
  const LONG_PTR original = ProcedureOf(window);
  ASSERT_EQ(original, reinterpret_cast<LONG_PTR>(&vcl::WindowProcedure));
  {
    abf::TabfTrayIcon first(nullptr, "first");
    const LONG_PTR hook = ProcedureOf(window);
    EXPECT_NE(hook, original);
    {
      abf::TabfTrayIcon second(nullptr, "second");
      EXPECT_EQ(ProcedureOf(window), hook);
    }
    EXPECT_EQ(ProcedureOf(window), hook);
    // Messages still reach the application's own procedure.
    SendMessageA(window, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(application.Terminated());
  }
  EXPECT_EQ(ProcedureOf(window), original);
}

WNDPROC laterPrevious = nullptr;
int laterSeen = 0;
LRESULT CALLBACK Later(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ++laterSeen;
  return CallWindowProcA(laterPrevious, window, message, wParam, lParam);
}

TEST(TrayIconHook, AProcedureInstalledAfterItKeepsItsChain) {
  vcl::TApplication application;
  HWND window = application.Handle();
  {
    abf::TabfTrayIcon icon(nullptr, "icon");
    laterPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Later)));
  }
  EXPECT_EQ(ProcedureOf(window), reinterpret_cast<LONG_PTR>(&Later));
  laterSeen = 0;
  SendMessageA(window, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(laterSeen, 1);
  EXPECT_TRUE(application.Terminated());
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(laterPrevious));
}

}  // namespace
