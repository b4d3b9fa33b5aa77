// Forms: top-level windows owned by the application window, built from a stored layout.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/AutoScroll.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Handles.h"

namespace vcl {

class TApplication;

enum class TPosition { poDesigned, poDesktopCenter };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, int x, int y)>;

struct TFormSettings {
  const char* name;       // the form's instance name
  const char* className;  // the window class, named after the form's class
  const char* caption;
  TBounds bounds;  // outer bounds on the screen, as laid out
  TPosition position = TPosition::poDesigned;
  bool stayOnTop = false;
  TColor color = clBtnFace;
  TFontAttributes font;
  TSizeConstraints constraints;
  const char* icon = nullptr;  // icon resource of the window
  bool autoScroll = false;     // scroll bars appear when the window is smaller than its controls
};

class TForm : public TWinControl {
 public:
  TForm(TApplication& application, const TFormSettings& settings);
  ~TForm() override;

  // Visible and in front; a visible form only comes to the front.
  void Show();
  void Hide();
  // Closing the main form ends the application; any other form is only hidden.
  void Close();
  bool IsMainForm() const;
  // The window's scroll bars; null unless the form scrolls.
  const TAutoScroll* AutoScroll() const { return autoScroll_ ? &*autoScroll_ : nullptr; }

  // The teardown of the form: hidden, OnDestroy, its window and controls destroyed, then its
  // components destroyed, newest first.
  void DestroyForm();

  // Called by the layout reader around the three phases of building the form.
  void BeginLoading();
  void EndLoading();

  TNotifyEvent OnCreate;
  TNotifyEvent OnResize;
  TNotifyEvent OnDestroy;
  TKeyPressEvent OnKeyPress;
  TMouseEvent OnMouseDown;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void PlaceOnFirstShow();
  void ClickDialogButton(int command);
  void RaiseResize();

  TApplication& application_;
  TFormSettings settings_;
  TUniqueIcon bigIcon_;
  TUniqueIcon smallIcon_;
  std::optional<TAutoScroll> autoScroll_;
  bool shownBefore_ = false;
  bool resizePending_ = false;
  HWND focusedBeforeDeactivation_ = nullptr;
};

// What the stored layout of a form hands its entries: creation of owned components, and
// references to components that are only read later in the layout.
class TReader {
 public:
  explicit TReader(TForm& root) : root_(root) {}

  template <class C, class... Args>
  C* Create(Args&&... args) {
    return root_.Insert(std::make_unique<C>(&root_, std::forward<Args>(args)...));
  }
  // Runs once every component of the layout has been read, before any finishes loading.
  void Fixup(std::function<void()> resolve) { fixups_.push_back(std::move(resolve)); }
  void ResolveFixups();

 private:
  TForm& root_;
  std::vector<std::function<void()>> fixups_;
};

// A form's stored layout: its settings, its events, and its components in creation order,
// each entry creating one component and assigning its stored values in their stored order.
template <class F>
struct TFormLayout {
  TFormSettings settings;
  struct {
    void (F::*onCreate)(TObject*) = nullptr;
    void (F::*onResize)(TObject*) = nullptr;
    void (F::*onDestroy)(TObject*) = nullptr;
    void (F::*onKeyPress)(TObject*, char&) = nullptr;
    void (F::*onMouseDown)(TObject*, TMouseButton, int, int) = nullptr;
  } events;
  std::vector<void (*)(F&, TReader&)> components;
};

// Builds a form from its layout: every component read in order (some stored values act at
// once), then each finishes loading in the same order, then the form's OnCreate.
template <class F>
void LoadForm(F& form, const TFormLayout<F>& layout) {
  using namespace std::placeholders;
  const auto& e = layout.events;
  if (e.onCreate) form.OnCreate = Handler(form, e.onCreate);
  if (e.onResize) form.OnResize = Handler(form, e.onResize);
  if (e.onDestroy) form.OnDestroy = Handler(form, e.onDestroy);
  if (e.onKeyPress) form.OnKeyPress = std::bind(e.onKeyPress, &form, _1, _2);
  if (e.onMouseDown) form.OnMouseDown = std::bind(e.onMouseDown, &form, _1, _2, _3, _4);
  form.BeginLoading();
  TReader reader(form);
  for (auto read : layout.components) read(form, reader);
  reader.ResolveFixups();
  form.EndLoading();
}

}  // namespace vcl
