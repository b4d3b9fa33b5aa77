// TImage: a picture box holding a multi-size icon resource, drawn at the system's standard icon
// size from the box's top-left corner. It takes mouse presses, so they do not reach the window.
#pragma once

#include "platform/vcl/Controls.h"
#include "platform/vcl/Handles.h"

namespace vcl {

struct TImageArgs {
  TControlArgs control;
  const char* icon = nullptr;  // icon resource of the executable
};

class TImage : public TWinControl {
 public:
  TImage(TComponent* owner, std::string name, TWinControl* parent, const TImageArgs& args);

  // The picture at the system's standard icon size; null if the resource is missing.
  HICON Icon() const { return icon_.get(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();

  TUniqueIcon icon_;
};

}  // namespace vcl
