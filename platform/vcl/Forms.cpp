#include "platform/vcl/Forms.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/vcl/Application.h"

namespace vcl {

namespace {

// Every windowed control below `control`, parents before their children.
void CollectControls(TWinControl& control, std::vector<TWinControl*>& out) {
  for (TWinControl* child : control.Controls()) {
    out.push_back(child);
    CollectControls(*child, out);
  }
}

}  // namespace

TForm::TForm(TApplication& application, const TFormSettings& settings)
    : TWinControl(&application, settings.name, nullptr,
                  TControlArgs{.bounds = settings.bounds,
                               .visible = false,
                               .font = settings.font,
                               .color = settings.color}),
      application_(application),
      settings_(settings) {
  SetLoading(true);
  SetConstraints(settings.constraints);
  if (settings.autoScroll) autoScroll_.emplace(*this);
  if (settings.icon != nullptr) {
    bigIcon_ = LoadIconResource(settings.icon, GetSystemMetrics(SM_CXICON));
    smallIcon_ = LoadIconResource(settings.icon, GetSystemMetrics(SM_CXSMICON));
  }
  DWORD exStyle = WS_EX_CONTROLPARENT | (settings.stayOnTop ? WS_EX_TOPMOST : 0);
  CreateHandle({.className = RegisterClassOnce(settings.className, CS_DBLCLKS),
                .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                .exStyle = exStyle,
                .systemClass = false,
                .ownerWindow = application.Handle()});
  SetCaption(settings.caption);
  if (bigIcon_)
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  if (smallIcon_)
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  // The size the window was created with is announced once the form is complete.
  resizePending_ = true;
}

TForm::~TForm() = default;

bool TForm::IsMainForm() const {
  return application_.MainForm() == this;
}

void TForm::Show() {
  if (!shownBefore_) {
    shownBefore_ = true;
    PlaceOnFirstShow();
  }
  ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
  // Wine places an owned window given HWND_TOP just above its owner, which leaves a top-most
  // window below the other top-most ones; HWND_TOPMOST raises it to the top of its band.
  SetWindowPos(Handle(), settings_.stayOnTop ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(Handle());
}

void TForm::Hide() {
  ShowWindow(Handle(), SW_HIDE);
}

void TForm::Close() {
  if (IsMainForm()) {
    application_.Terminate();
  } else {
    Hide();
  }
}

void TForm::PlaceOnFirstShow() {
  if (settings_.position != TPosition::poDesktopCenter) return;
  TBounds b = Bounds();
  b.left = std::max(0, (GetSystemMetrics(SM_CXVIRTUALSCREEN) - b.width) / 2);
  b.top = std::max(0, (GetSystemMetrics(SM_CYVIRTUALSCREEN) - b.height) / 2);
  SetWindowPos(Handle(), nullptr, b.left, b.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::DestroyForm() {
  if (Handle() != nullptr) {
    Hide();
    if (OnDestroy) OnDestroy(this);
    DestroyWindow(Handle());
  }
  DestroyComponents();
}

void TForm::BeginLoading() {
  SetLoading(true);
}

void TForm::EndLoading() {
  for (TComponent* component : Components()) component->Loaded();
  TWinControl::Loaded();
  Realign();
  if (autoScroll_) autoScroll_->Update();
  SetLoading(false);
  if (OnCreate) OnCreate(this);
  if (resizePending_) RaiseResize();
}

void TForm::RaiseResize() {
  resizePending_ = false;
  if (OnResize) OnResize(this);
}

void TForm::ClickDialogButton(int command) {
  std::vector<TWinControl*> controls;
  CollectControls(*this, controls);
  HWND focus = GetFocus();
  for (TWinControl* control : controls) {
    if (control->Handle() == focus && control->DialogCommand(command, true)) return;
  }
  for (TWinControl* control : controls) {
    if (control->Visible() && control->Enabled() && control->DialogCommand(command, false)) return;
  }
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (autoScroll_) {
    if (std::optional<LRESULT> scrolled = autoScroll_->HandleMessage(message, wParam, lParam))
      return *scrolled;
  }
  switch (message) {
    case WM_SIZE: {
      LRESULT result = TWinControl::HandleMessage(message, wParam, lParam);
      if (wParam != SIZE_MINIMIZED) {
        if (autoScroll_) autoScroll_->Update();
        if (Loading()) {
          resizePending_ = true;
        } else {
          RaiseResize();
        }
      }
      return result;
    }
    case WM_SYSCOMMAND:
      // Minimising the main form minimises the application.
      if ((wParam & 0xFFF0) == SC_MINIMIZE && IsMainForm()) {
        application_.Minimize();
        return 0;
      }
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_COMMAND:
      // Enter and Escape, as the dialog manager reports them.
      if (lParam == 0 && HIWORD(wParam) == BN_CLICKED &&
          (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        ClickDialogButton(LOWORD(wParam));
        return 0;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(Handle(), focus)) focusedBeforeDeactivation_ = focus;
      } else if (!HIWORD(wParam)) {
        HWND target = focusedBeforeDeactivation_;
        if (target == nullptr || !IsChild(Handle(), target) || !IsWindowVisible(target) ||
            !IsWindowEnabled(target)) {
          target = GetNextDlgTabItem(Handle(), nullptr, FALSE);
        }
        ::SetFocus(target != nullptr ? target : Handle());
      }
      return 0;
    case WM_CHAR:
      if (OnKeyPress) {
        char key = static_cast<char>(wParam);
        OnKeyPress(this, key);
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (OnMouseDown) {
        TMouseButton button = message == WM_LBUTTONDOWN   ? TMouseButton::mbLeft
                              : message == WM_RBUTTONDOWN ? TMouseButton::mbRight
                                                          : TMouseButton::mbMiddle;
        OnMouseDown(this, button, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
      }
      break;
    case WM_QUERYENDSESSION:
      return TRUE;
    default:
      break;
  }
  return TWinControl::HandleMessage(message, wParam, lParam);
}

void TReader::ResolveFixups() {
  for (auto& resolve : fixups_) resolve();
  fixups_.clear();
}

}  // namespace vcl
