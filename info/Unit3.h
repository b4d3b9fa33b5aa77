// The Help window: a fixed page of help.
#pragma once

#include "platform/vcl/Forms.h"

namespace vcl {
class TBitBtn;
class TImage;
class TLabel;
class TMemo;
}  // namespace vcl

class THelpForm : public vcl::TForm {
 public:
  using vcl::TForm::TForm;
  static const vcl::TFormLayout<THelpForm>& StoredLayout();

  vcl::TBitBtn* BitBtn1 = nullptr;
  vcl::TImage* Image1 = nullptr;
  vcl::TImage* Image2 = nullptr;
  vcl::TImage* Image3 = nullptr;
  vcl::TImage* Image4 = nullptr;
  vcl::TImage* Image5 = nullptr;
  vcl::TMemo* Memo1 = nullptr;
  vcl::TMemo* Memo2 = nullptr;
  vcl::TMemo* Memo3 = nullptr;
  vcl::TMemo* Memo4 = nullptr;
  vcl::TMemo* Memo5 = nullptr;
  vcl::TMemo* Memo6 = nullptr;
  vcl::TLabel* Label1 = nullptr;

  void BitBtn1Click(vcl::TObject* Sender);
};

extern THelpForm* HelpForm;
