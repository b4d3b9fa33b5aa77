// Checks shared by the tests of the About and Help windows: fonts, icons and what a window shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Image.h"
#include "platform/vcl/Label.h"

namespace test_support {

// The window's caption, and its frame: sizeable, with the system menu and both title bar
// buttons, always on top.
void ExpectSizeableAlwaysOnTop(HWND window, const char* caption);
// The owner's components, named in creation order.
void ExpectCreatedInOrder(const vcl::TComponent& owner, const std::vector<std::string>& names);
// The font a window was given: face name and height.
void ExpectFont(HWND window, const char* face, int height);
// The window's title bar and task switcher icons, at the system's two icon sizes.
void ExpectWindowIcons(HWND window);
// A label is exactly as large as its caption in its font.
void ExpectSizedToText(vcl::TLabel& label);

// The icon is present, at the standard icon size, and is the named resource's picture.
void ExpectIconOfStandardSize(HICON icon, const char* resource);
// The box shows its icon at the standard size at its top-left corner, on `background` elsewhere.
void ExpectPictureDrawnAtTopLeft(vcl::TImage& image, COLORREF background);
// Whether any pixel of the window's client area has the colour, as it is drawn on the screen.
bool WindowShowsColour(HWND window, COLORREF colour);

}  // namespace test_support
