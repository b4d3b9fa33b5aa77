#include "info/Unit2.h"

TAbout* About = nullptr;

void TAbout::OKClick(vcl::TObject*) {
  Hide();
}
