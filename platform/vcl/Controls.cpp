#include "platform/vcl/Controls.h"

#include <algorithm>

namespace vcl {

namespace {

int NextControlId() {
  // Control identifiers start above IDOK and IDCANCEL, which the dialog keys use.
  static int next = 100;
  return next++;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner, std::string name, TWinControl* parent,
                         const TControlArgs& args)
    : TComponent(owner, std::move(name)),
      parent_(parent),
      args_(args),
      anchors_(args.anchors),
      align_(args.align),
      tabOrder_(args.tabOrder),
      color_(args.color),
      designBounds_(args.bounds) {
  if (args.font) font_.emplace(*args.font);
  if (parent_ != nullptr) {
    parent_->children_.push_back(this);
    designParentSize_ = parent_->ClientSize();
  }
}

TWinControl::~TWinControl() {
  if (parent_ != nullptr) std::erase(parent_->children_, this);
  for (TWinControl* child : children_) child->parent_ = nullptr;
  if (Handle() != nullptr) DestroyWindow(Handle());
}

TWinControl* TWinControl::FromHandle(HWND window) {
  return dynamic_cast<TWinControl*>(TWindowTarget::FromHandle(window));
}

void TWinControl::CreateHandle(const TCreateParams& params) {
  systemClass_ = params.systemClass;
  DWORD style = params.style;
  if (args_.visible) style |= WS_VISIBLE;
  if (!args_.enabled) style |= WS_DISABLED;
  if (tabOrder_ >= 0) style |= WS_TABSTOP;
  HWND parentWindow = params.ownerWindow;
  HMENU id = nullptr;
  if (parent_ != nullptr) {
    style |= WS_CHILD;
    parentWindow = parent_->Handle();
    id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId()));
  }
  const TBounds& b = args_.bounds;
  HWND window = CreateWindowExA(params.exStyle, params.className, "", style, b.left, b.top, b.width,
                                b.height, parentWindow, id, GetModuleHandleA(nullptr),
                                params.systemClass ? nullptr : static_cast<TWindowTarget*>(this));
  if (params.systemClass && window != nullptr) Subclass(window);
  if (window != nullptr)
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
}

TBounds TWinControl::Bounds() const {
  RECT r{};
  GetWindowRect(Handle(), &r);
  if (parent_ != nullptr)
    MapWindowPoints(HWND_DESKTOP, parent_->Handle(), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TWinControl::SetBounds(TBounds bounds) {
  bounds.width = std::max(bounds.width, constraints_.minWidth);
  bounds.height = std::max(bounds.height, constraints_.minHeight);
  if (bounds == Bounds()) return;  // nothing changes, so no size notification either
  SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::SetWidth(int width) {
  TBounds b = Bounds();
  b.width = width;
  SetBounds(b);
}

void TWinControl::SetHeight(int height) {
  TBounds b = Bounds();
  b.height = height;
  SetBounds(b);
}

SIZE TWinControl::ClientSize() const {
  if (Handle() == nullptr) return {args_.bounds.width, args_.bounds.height};
  RECT r{};
  GetClientRect(Handle(), &r);
  return {r.right, r.bottom};
}

bool TWinControl::Visible() const {
  return (GetWindowLongA(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void TWinControl::SetVisible(bool visible) {
  if (visible != Visible()) ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE);
}

bool TWinControl::Enabled() const {
  return IsWindowEnabled(Handle()) != FALSE;
}

void TWinControl::SetEnabled(bool enabled) {
  EnableWindow(Handle(), enabled);
}

std::string TWinControl::Caption() const {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(Handle())) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(Handle(), text.data(), static_cast<int>(text.size()))));
  return text;
}

void TWinControl::SetCaption(const std::string& caption) {
  SetWindowTextA(Handle(), caption.c_str());
}

bool TWinControl::Focused() const {
  return Handle() != nullptr && GetFocus() == Handle();
}

void TWinControl::SetFocus() {
  ::SetFocus(Handle());
}

TFont& TWinControl::Font() {
  if (font_) return *font_;
  if (parent_ != nullptr) return parent_->Font();
  font_.emplace(TFontAttributes{});
  return *font_;
}

TFont& TWinControl::OwnFont() {
  if (!font_) {
    font_.emplace(parent_ != nullptr ? parent_->Font().Attributes() : TFontAttributes{});
    if (Handle() != nullptr)
      SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), TRUE);
  }
  return *font_;
}

TColor TWinControl::Color() const {
  if (color_) return *color_;
  if (parent_ != nullptr) return parent_->Color();
  return clBtnFace;
}

void TWinControl::SetColor(TColor color) {
  color_ = color;
  brush_.reset();
  if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, TRUE);
}

HBRUSH TWinControl::BrushHandle() const {
  if (!brush_ || brush_->Color() != Color()) brush_.emplace(Color());
  return brush_->Handle();
}

LRESULT TWinControl::PaintColors(HDC dc) {
  SetTextColor(dc, ColorToRGB(Font().Color()));
  SetBkColor(dc, ColorToRGB(Color()));
  return reinterpret_cast<LRESULT>(BrushHandle());
}

void TWinControl::Realign() {
  SIZE client = ClientSize();
  RECT free{0, 0, client.cx, client.cy};
  for (TWinControl* child : children_) {
    switch (child->align_) {
      case TAlign::alTop: {
        int height = child->Height();
        child->SetBounds({free.left, free.top, free.right - free.left, height});
        free.top += height;
        break;
      }
      case TAlign::alBottom: {
        int height = child->Height();
        child->SetBounds({free.left, free.bottom - height, free.right - free.left, height});
        free.bottom -= height;
        break;
      }
      default:
        break;
    }
  }
  for (TWinControl* child : children_) {
    if (child->align_ == TAlign::alClient) {
      child->SetBounds({free.left, free.top, free.right - free.left, free.bottom - free.top});
    } else if (child->align_ == TAlign::alNone) {
      PlaceAnchored(*child, client);
    }
  }
}

void TWinControl::PlaceAnchored(TWinControl& child, SIZE client) {
  const TBounds& laid = child.designBounds_;
  const SIZE& then = child.designParentSize_;
  TBounds b = child.Bounds();
  if (child.anchors_ & akRight) {
    int rightGap = then.cx - (laid.left + laid.width);
    if (child.anchors_ & akLeft) {
      b.width = client.cx - rightGap - b.left;
    } else {
      b.left = client.cx - rightGap - b.width;
    }
  }
  if (child.anchors_ & akBottom) {
    int bottomGap = then.cy - (laid.top + laid.height);
    if (child.anchors_ & akTop) {
      b.height = client.cy - bottomGap - b.top;
    } else {
      b.top = client.cy - bottomGap - b.height;
    }
  }
  child.SetBounds(b);
}

void TWinControl::Loaded() {
  std::vector<TWinControl*> tabbed;
  for (TWinControl* child : children_) {
    if (child->tabOrder_ >= 0) tabbed.push_back(child);
  }
  std::stable_sort(tabbed.begin(), tabbed.end(),
                   [](TWinControl* a, TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
  // The dialog manager walks the children from the top of the z-order.
  for (TWinControl* child : tabbed) {
    SetWindowPos(child->Handle(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

std::optional<LRESULT> TWinControl::Notification(UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return PaintColors(reinterpret_cast<HDC>(lParam));
    default:
      return std::nullopt;
  }
}

std::optional<LRESULT> TWinControl::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND child = nullptr;
  LPARAM childLParam = lParam;
  switch (message) {
    case WM_COMMAND:
      child = reinterpret_cast<HWND>(lParam);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      child = reinterpret_cast<HWND>(lParam);
      childLParam = static_cast<LPARAM>(wParam);  // the child gets the device context
      break;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (item->CtlType != ODT_MENU) child = item->hwndItem;
      break;
    }
    default:
      return std::nullopt;
  }
  // A combo box's edit and list report through the combo box itself.
  for (HWND window = child; window != nullptr && window != Handle(); window = GetParent(window)) {
    if (TWinControl* target = FromHandle(window))
      return target->Notification(message, wParam, childLParam);
  }
  return std::nullopt;
}

LRESULT TWinControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (std::optional<LRESULT> reflected = ReflectToChild(message, wParam, lParam)) return *reflected;
  switch (message) {
    case WM_SIZE: {
      LRESULT result = DefaultProc(message, wParam, lParam);
      if (wParam != SIZE_MINIMIZED) Realign();
      return result;
    }
    case WM_ERASEBKGND:
      if (systemClass_) break;
      {
        RECT r{};
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, BrushHandle());
        return 1;
      }
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, constraints_.minWidth);
      info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, constraints_.minHeight);
      return 0;
    }
    default:
      break;
  }
  return DefaultProc(message, wParam, lParam);
}

}  // namespace vcl
