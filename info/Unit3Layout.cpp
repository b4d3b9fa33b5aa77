// The stored layout of the Help window.
#include "info/Unit3.h"
#include "platform/vcl/Button.h"

using namespace vcl;

const TFormLayout<THelpForm>& THelpForm::StoredLayout() {
  static const TFormLayout<THelpForm> layout{
      .settings = {.name = "HelpForm",
                   .className = "THelpForm",
                   .caption = "Help",
                   .bounds = {413, 104, 655, 698},
                   .stayOnTop = true,
                   .color = clWindow},
      .components = {
          [](THelpForm& f, TReader& r) {
            f.BitBtn1 =
                r.Create<TButton>("BitBtn1", &f,
                                  TButtonArgs{.control = {.bounds = {8, 8, 75, 25}, .tabOrder = 0},
                                              .caption = "Close"});
            f.BitBtn1->OnClick = Handler(f, &THelpForm::BitBtn1Click);
          },
      }};
  return layout;
}
