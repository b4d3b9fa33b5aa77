// The About window: name, version, copyright and a link to the maker's web site.
#pragma once

#include "platform/vcl/Forms.h"

namespace vcl {
class TButton;
class TImage;
class TLabel;
}  // namespace vcl

class TAbout : public vcl::TForm {
 public:
  using vcl::TForm::TForm;
  static const vcl::TFormLayout<TAbout>& StoredLayout();

  vcl::TButton* OK = nullptr;
  vcl::TImage* Image1 = nullptr;
  vcl::TLabel* Label2 = nullptr;
  vcl::TLabel* Label3 = nullptr;
  vcl::TLabel* Label1 = nullptr;
  vcl::TLabel* Label4 = nullptr;

  void OKClick(vcl::TObject* Sender);
};

extern TAbout* About;
