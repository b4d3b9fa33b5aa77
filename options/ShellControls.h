// The four operations on the Windows shell's own windows: the taskbar's Start button and the
// desktop's icon view.
#pragma once

#include <windows.h>

// Gives the Start button an empty window region, so nothing of it is drawn.
void HideStartButton();
// Removes the Start button's window region: the whole button appears again.
void RestoreStartButton();
void HideDesktopIcons();
void ShowDesktopIcons();

// The desktop icon view: the first child of the first child of the "progman" window.
HWND LookUpDesktopIconView();

// What the program's own last Apply left hidden, so that exit can put it back even after the
// box was unticked without a new Apply.
extern bool StartButtonLeftHidden;
extern bool DesktopIconsLeftHidden;
