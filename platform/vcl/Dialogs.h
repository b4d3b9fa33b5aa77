// The modal information box: title "Information", the information icon, one OK button, centred on
// the screen, owned by the application window (so it has no taskbar button of its own).
#pragma once

#include <string_view>

namespace vcl {

// Returns when the user has closed the box. Timers and posted messages of this thread keep being
// dispatched while it is open.
void ShowInformation(std::wstring_view text);

}  // namespace vcl
