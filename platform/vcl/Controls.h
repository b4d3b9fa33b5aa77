// Windowed controls: geometry, visibility, focus, font and colour, alignment and anchors.
// A parent hands the notifications it receives for a child (WM_COMMAND, WM_NOTIFY,
// WM_CTLCOLOR*, WM_DRAWITEM) back to that child's object.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/WindowProc.h"

namespace vcl {

struct TBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const TBounds&) const = default;
};

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

enum class TAlign { alNone, alTop, alBottom, alClient };

struct TSizeConstraints {
  int minWidth = 0;
  int minHeight = 0;
};

// Settings every windowed control is created with, as its stored layout gives them.
struct TControlArgs {
  TBounds bounds;
  bool visible = true;
  bool enabled = true;
  TAnchors anchors = akLeft | akTop;
  TAlign align = TAlign::alNone;
  int tabOrder = -1;                    // place in the parent's tab order; -1 takes no focus
  std::optional<TFontAttributes> font;  // its own font; otherwise the parent's
  std::optional<TColor> color;          // its own colour; otherwise the parent's
};

class TWinControl : public TComponent, public TWindowTarget {
 public:
  TWinControl(TComponent* owner, std::string name, TWinControl* parent, const TControlArgs& args);
  ~TWinControl() override;

  static TWinControl* FromHandle(HWND window);

  HWND Handle() const { return WindowHandle(); }
  TWinControl* Parent() const { return parent_; }
  const std::vector<TWinControl*>& Controls() const { return children_; }

  // Outer bounds: within the parent's client area, or on the screen for a top-level window.
  TBounds Bounds() const;
  void SetBounds(TBounds bounds);
  int Left() const { return Bounds().left; }
  int Top() const { return Bounds().top; }
  int Width() const { return Bounds().width; }
  int Height() const { return Bounds().height; }
  void SetWidth(int width);
  void SetHeight(int height);
  SIZE ClientSize() const;

  const TSizeConstraints& Constraints() const { return constraints_; }
  void SetConstraints(TSizeConstraints constraints) { constraints_ = constraints; }

  bool Visible() const;
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const;
  void SetEnabled(bool enabled);
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  bool Focused() const;
  void SetFocus();

  int TabOrder() const { return tabOrder_; }
  TAnchors Anchors() const { return anchors_; }
  TAlign Align() const { return align_; }

  TFont& Font();
  TColor Color() const;
  void SetColor(TColor color);
  HBRUSH BrushHandle() const;

  // Places the aligned children, then the anchored ones, within the client area.
  void Realign();

  // Puts the children in tab order once the stored layout has been read.
  void Loaded() override;

  // Enter (IDOK) or Escape (IDCANCEL) pressed in the form: a button that answers to it clicks.
  virtual bool DialogCommand(int /*command*/, bool /*focused*/) { return false; }

 protected:
  struct TCreateParams {
    const char* className;  // a system class, or one of ours registered by the caller
    DWORD style = 0;
    DWORD exStyle = 0;
    bool systemClass = true;
    HWND ownerWindow = nullptr;  // top-level windows only
  };
  void CreateHandle(const TCreateParams& params);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // A notification that the parent received for this control; nullopt leaves it to the parent.
  virtual std::optional<LRESULT> Notification(UINT message, WPARAM wParam, LPARAM lParam);
  // The colours of a system control, for the WM_CTLCOLOR* its parent receives.
  LRESULT PaintColors(HDC dc);

  const TControlArgs& Args() const { return args_; }
  // This control's own font, copied from its parent's the first time it is asked for.
  TFont& OwnFont();

 private:
  std::optional<LRESULT> ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam);
  void PlaceAnchored(TWinControl& child, SIZE client);

  TWinControl* parent_;
  std::vector<TWinControl*> children_;
  TControlArgs args_;
  TAnchors anchors_;
  TAlign align_;
  int tabOrder_;
  TSizeConstraints constraints_;
  std::optional<TFont> font_;
  std::optional<TColor> color_;
  mutable std::optional<TBrush> brush_;
  bool systemClass_ = true;
  // The bounds as laid out and the parent's client size then, which the anchors keep.
  TBounds designBounds_;
  SIZE designParentSize_{0, 0};
};

}  // namespace vcl
