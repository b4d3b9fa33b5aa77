// What a test reads of windows, its own or another process's: which there are, their classes,
// texts and places.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test_support {

// Top-level windows of a process, or of a thread, in z-order.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
std::vector<HWND> TopLevelWindowsOfThread(DWORD threadId);
// The first visible window of the class among `windows`, or null.
HWND FirstVisibleOfClass(const std::vector<HWND>& windows, const char* className);
// A descendant of `parent` with that class (in any case) and, if given, that text; or null.
HWND FindDescendant(HWND parent, const char* className, const char* text = nullptr);

std::string ClassNameOf(HWND window);
std::string TextOf(HWND window);
// The text through WM_GETTEXT, which reaches the controls of another process too.
std::wstring WideTextOf(HWND window);
// The message a message box shows: the text of its last static control that has one.
std::wstring MessageBoxText(HWND box);

// Whether `upper` lies above `lower` in the z-order.
bool IsAbove(HWND upper, HWND lower);
// The centre of a window, in screen coordinates.
POINT CentreOf(HWND window);

}  // namespace test_support
