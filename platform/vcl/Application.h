// The application object: its hidden window, its forms, the message loop and termination.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/MessageWindow.h"

namespace vcl {

class TApplication : public TComponent {
 public:
  // Creates the application window: class "TApplication", hidden, captioned with the title.
  TApplication();
  ~TApplication() override;

  // Prepares the user-interface thread (COM, single-threaded apartment; common controls).
  void Initialize();

  HWND Handle() const { return window_->Handle(); }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  // Read once when the message loop starts: whether the main form is shown then.
  bool ShowMainForm = true;

  // The first form created.
  TForm* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }
  const std::vector<std::unique_ptr<TForm>>& Forms() const { return forms_; }

  // Creates a form from its stored layout (F::StoredLayout()); the reference is set before the
  // layout is read, as handlers running meanwhile may use it.
  template <class F>
  void CreateForm(F*& reference);

  // Shows the main form if asked to, then dispatches messages until terminated.
  void Run();
  // Asks the message loop to stop: posts the quit message.
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles the messages waiting in the queue, then returns.
  void ProcessMessages();

  // Minimising the main form minimises the application window.
  void Minimize();
  // Takes the application window out of its minimised state; it stays hidden, as a visible
  // application window would get a taskbar button from shells that ignore its tool-window style.
  void Restore();

  // Teardown: every owned window hidden at once, then the forms destroyed, newest first.
  void DestroyForms();

 private:
  std::optional<LRESULT> WindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool HandleDialogMessage(MSG& message);
  void NoteMouseMove(const MSG& message);
  void FocusTopmostForm();

  std::string title_;
  std::unique_ptr<TMessageWindow> window_;
  std::vector<std::unique_ptr<TForm>> forms_;
  bool terminated_ = false;
  bool terminateRequested_ = false;
  HWND mouseWindow_ = nullptr;  // the window of ours that last had the pointer
  bool comInitialized_ = false;
};

// The running application object (VCL's Application); null outside its lifetime.
extern TApplication* Application;

template <class F>
void TApplication::CreateForm(F*& reference) {
  const TFormLayout<F>& layout = F::StoredLayout();
  auto form = std::make_unique<F>(*this, layout.settings);
  reference = form.get();
  forms_.push_back(std::move(form));
  LoadForm(*reference, layout);
}

}  // namespace vcl
