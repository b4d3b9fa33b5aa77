#include "platform/vcl/Application.h"

#include <commctrl.h>
#include <objbase.h>

namespace vcl {

TApplication* Application = nullptr;

namespace {

std::string ExecutableBaseName() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name(path);
  size_t slash = name.find_last_of("\\/:");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

}  // namespace

TApplication::TApplication() : TComponent(nullptr, "Application"), title_(ExecutableBaseName()) {
  int left = GetSystemMetrics(SM_CXSCREEN) / 2;
  int top = GetSystemMetrics(SM_CYSCREEN) / 2;
  window_ = std::make_unique<TMessageWindow>(
      TMessageWindow::TArgs{.className = "TApplication",
                            .caption = title_.c_str(),
                            .style = WS_POPUP | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            .bounds = {left, top, left, top}},
      [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return WindowMessage(message, wParam, lParam);
      });
  Application = this;
}

TApplication::~TApplication() {
  DestroyForms();
  window_.reset();
  if (comInitialized_) CoUninitialize();
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  comInitialized_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                     ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  SetWindowTextA(Handle(), title_.c_str());
}

void TApplication::Run() {
  if (ShowMainForm && MainForm() != nullptr) MainForm()->Show();
  while (!terminated_ && !terminateRequested_) {
    MSG message;
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      terminated_ = true;
      break;
    }
    if (!HandleDialogMessage(message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

void TApplication::Terminate() {
  // The quit message ends any modal loop it reaches (a message box's); but a menu's loop may take
  // it and drop it, so the request is also remembered for this loop.
  terminateRequested_ = true;
  PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      terminated_ = true;
      return;
    }
    if (!HandleDialogMessage(message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

void TApplication::NoteMouseMove(const MSG& message) {
  // The pointer moved on to another window of ours: the one it was over hears that it left at
  // once, instead of waiting for the system's leave tracking, which can be late or missing.
  if (message.message != WM_MOUSEMOVE || message.hwnd == mouseWindow_) return;
  HWND previous = mouseWindow_;
  mouseWindow_ = TWindowTarget::FromHandle(message.hwnd) != nullptr ? message.hwnd : nullptr;
  if (previous != nullptr && TWindowTarget::FromHandle(previous) != nullptr) {
    SendMessageA(previous, WM_MOUSELEAVE, 0, 0);
  }
}

bool TApplication::HandleDialogMessage(MSG& message) {
  NoteMouseMove(message);
  if (message.hwnd == nullptr) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  for (const auto& form : forms_) {
    // Tab, Enter, Escape and the arrow keys move between and press the forms' controls.
    if (form->Handle() == root) return IsDialogMessageA(root, &message) != FALSE;
  }
  return false;
}

void TApplication::Minimize() {
  // A window still minimised from the last time would not announce its minimising again.
  Restore();
  ShowWindow(Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
  if (!IsIconic(Handle())) return;
  ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  ShowWindow(Handle(), SW_HIDE);
}

void TApplication::DestroyForms() {
  if (forms_.empty()) return;
  ShowOwnedPopups(Handle(), FALSE);
  while (!forms_.empty()) {
    forms_.back()->DestroyForm();
    forms_.pop_back();
  }
}

void TApplication::FocusTopmostForm() {
  for (HWND window = GetTopWindow(nullptr); window != nullptr;
       window = GetWindow(window, GW_HWNDNEXT)) {
    for (const auto& form : forms_) {
      if (form->Handle() == window && IsWindowVisible(window)) {
        SetActiveWindow(window);
        return;
      }
    }
  }
}

std::optional<LRESULT> TApplication::WindowMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_CLOSE:
      // Closing the application window closes the main form, which ends the application.
      if (MainForm() != nullptr) MainForm()->Close();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) terminated_ = true;
      return 0;
    case WM_SETFOCUS:
      FocusTopmostForm();
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace vcl
