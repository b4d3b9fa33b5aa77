// The stored layout of the About window.
#include "info/Unit2.h"
#include "platform/vcl/Button.h"

using namespace vcl;

const TFormLayout<TAbout>& TAbout::StoredLayout() {
  static const TFormLayout<TAbout> layout{
      .settings = {.name = "About",
                   .className = "TAbout",
                   .caption = "About",
                   .bounds = {416, 200, 367, 264},
                   .stayOnTop = true,
                   .color = clBtnFace},
      .components = {
          [](TAbout& f, TReader& r) {
            f.OK = r.Create<TButton>("OK", &f,
                                     TButtonArgs{.control = {.bounds = {144, 179, 75, 25},
                                                             .anchors = akLeft | akBottom,
                                                             .tabOrder = 0},
                                                 .caption = "OK"});
            f.OK->OnClick = Handler(f, &TAbout::OKClick);
          },
      }};
  return layout;
}
