#include "info/Unit3.h"

THelpForm* HelpForm = nullptr;

void THelpForm::BitBtn1Click(vcl::TObject*) {
  Hide();
}
