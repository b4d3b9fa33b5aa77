// The stored layout of the About window.
#include <string>

#include "info/Unit2.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Image.h"
#include "platform/vcl/Label.h"

using namespace vcl;

const TFormLayout<TAbout>& TAbout::StoredLayout() {
  static const TFormLayout<TAbout> layout{
      .settings = {.name = "About",
                   .className = "TAbout",
                   .caption = "About",
                   .bounds = {416, 200, 367, 264},
                   .stayOnTop = true,
                   .color = clBtnFace,
                   .icon = "SEARCHICON",
                   .autoScroll = true},
      .events = {.onKeyPress = &TAbout::FormKeyPress, .onMouseDown = &TAbout::FormMouseDown},
      .components = {
          [](TAbout& f, TReader& r) {
            f.Image1 = r.Create<TImage>(
                "Image1", &f,
                TImageArgs{.control = {.bounds = {40, 40, 49, 49}}, .icon = "MAINICON"});
          },
          [](TAbout& f, TReader& r) {
            f.Label2 = r.Create<TLabel>(
                "Label2", &f,
                TLabelArgs{.control = {.bounds = {104, 64, 0, 0}}, .caption = "Version 1.34"});
          },
          [](TAbout& f, TReader& r) {
            f.Label3 = r.Create<TLabel>("Label3", &f,
                                        TLabelArgs{.control = {.bounds = {104, 88, 0, 0}},
                                                   .caption = "Copyright (C) 2026 Calvorin Labs"});
          },
          [](TAbout& f, TReader& r) {
            f.Label1 = r.Create<TLabel>(
                "Label1", &f,
                TLabelArgs{
                    .control = {.bounds = {104, 32, 0, 0},
                                .font = TFontAttributes{.name = "MS Sans Serif", .height = -19}},
                    .caption = "Calvorin"});
          },
          [](TAbout& f, TReader& r) {
            f.Label4 = r.Create<TLabel>(
                "Label4", &f,
                TLabelArgs{.control = {.bounds = {104, 120, 0, 0},
                                       .font = TFontAttributes{.name = "MS Sans Serif",
                                                               .height = -11,
                                                               .color = clBlack},
                                       .color = clBtnFace},
                           .caption = std::string("Visit to ") + MakerWebAddress,
                           .cursor = TCursor::crHandPoint});
            f.Label4->OnClick = Handler(f, &TAbout::Label4Click);
            f.Label4->OnMouseEnter = Handler(f, &TAbout::Label4MouseEnter);
            f.Label4->OnMouseLeave = Handler(f, &TAbout::Label4MouseLeave);
          },
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
