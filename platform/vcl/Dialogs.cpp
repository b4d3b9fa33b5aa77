#include "platform/vcl/Dialogs.h"

#include <windows.h>

#include <string>

namespace vcl {

void ShowInformation(std::wstring_view text) {
  std::wstring message(text);
  // Task-modal over the program's windows, and above its top-most ones.
  MessageBoxW(nullptr, message.c_str(), L"Information",
              MB_OK | MB_ICONINFORMATION | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND);
}

}  // namespace vcl
