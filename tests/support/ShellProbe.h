// Looks at the Windows shell from outside a program: its notification area icons, its taskbar
// buttons, and the popup menus a program opens.
#pragma once

#include <windows.h>

#include <vector>

namespace test_support {

// Whether the notification area knows an icon of that window and identifier (a NIM_MODIFY that
// changes nothing succeeds only for an icon that is there).
bool TrayIconExists(HWND window, UINT id);
// Removes an icon as a restarting shell would lose it.
bool RemoveTrayIcon(HWND window, UINT id);

// The icons drawn in the notification area at the right end of "Shell_TrayWnd", counted on the
// screen: runs of painted columns separated by the gaps between icon cells. -1 without a taskbar.
int NotificationAreaIconCount();

// The process's windows that have a taskbar button by the rule of Windows: visible top-level
// windows that are neither owned nor tool windows, or that ask for a button (WS_EX_APPWINDOW).
std::vector<HWND> WindowsWithTaskbarButtonByRule(DWORD processId);
// The process's windows that Wine's taskbar shows a button for: the visible "Button" children of
// "Shell_TrayWnd" carry the window they stand for as their identifier.
std::vector<HWND> WindowsWithWineTaskbarButton(DWORD processId);

// A visible popup menu ("#32768") of the process, or null.
HWND VisiblePopupMenuOf(DWORD processId);
// The message the notification area sends to a tray icon's window, the mouse message in lParam.
constexpr UINT kTrayCallbackMessage = 1235;
// Opens the menu of a process's tray icon as a release of the right button on the icon does,
// then chooses the item `downPresses` presses of the down key away with Enter. False unless the
// menu opened and closed again.
bool ChooseFromTrayMenu(HWND icon, DWORD processId, int downPresses);
// The process's visible windows that are minimised.
std::vector<HWND> MinimizedWindowsOf(DWORD processId);

}  // namespace test_support
