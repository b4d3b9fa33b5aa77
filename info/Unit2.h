// The About window: name, version, copyright and a link to the maker's web site.
#pragma once

#include "platform/vcl/Forms.h"

namespace vcl {
class TButton;
class TImage;
class TLabel;
}  // namespace vcl

// The maker's web site, as the link shows it and as it is opened.
inline constexpr char MakerWebAddress[] = "http://www.calvorin.example/";

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
  void FormKeyPress(vcl::TObject* Sender, char& Key);
  void FormMouseDown(vcl::TObject* Sender, vcl::TMouseButton Button, int X, int Y);
  void Label4Click(vcl::TObject* Sender);
  void Label4MouseEnter(vcl::TObject* Sender);
  void Label4MouseLeave(vcl::TObject* Sender);
};

extern TAbout* About;
