// The stored layout of the Help window.
#include "info/Unit3.h"
#include "platform/vcl/BitBtn.h"
#include "platform/vcl/Image.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Memo.h"

using namespace vcl;

namespace {

// The page's text boxes: read-only by being disabled, no frame, white like the page.
TMemoArgs PageText(TBounds bounds, int tabOrder, std::vector<std::string> lines) {
  return TMemoArgs{
      .control = {.bounds = bounds, .enabled = false, .tabOrder = tabOrder, .color = clWindow},
      .lines = std::move(lines),
      .borderStyle = TBorderStyle::bsNone,
      .wordWrap = true};
}

TImageArgs Picture(TBounds bounds, const char* icon) {
  return TImageArgs{.control = {.bounds = bounds}, .icon = icon};
}

}  // namespace

const TFormLayout<THelpForm>& THelpForm::StoredLayout() {
  static const TFormLayout<THelpForm> layout{
      .settings = {.name = "HelpForm",
                   .className = "THelpForm",
                   .caption = "Help",
                   .bounds = {413, 104, 655, 698},
                   .stayOnTop = true,
                   .color = clWindow,
                   .icon = "QUESTIONICON",
                   .autoScroll = true},
      .components = {
          [](THelpForm& f, TReader& r) {
            f.Image1 = r.Create<TImage>("Image1", &f, Picture({88, 272, 57, 57}, "OPTIONSICON"));
          },
          [](THelpForm& f, TReader& r) {
            f.Image2 = r.Create<TImage>("Image2", &f, Picture({88, 528, 57, 57}, "POWERICON"));
          },
          [](THelpForm& f, TReader& r) {
            f.Image3 = r.Create<TImage>("Image3", &f, Picture({56, 160, 49, 49}, "MAINICON"));
          },
          [](THelpForm& f, TReader& r) {
            f.Image4 = r.Create<TImage>("Image4", &f, Picture({88, 352, 57, 57}, "QUESTIONICON"));
          },
          [](THelpForm& f, TReader& r) {
            f.Image5 = r.Create<TImage>("Image5", &f, Picture({88, 440, 49, 57}, "SEARCHICON"));
          },
          [](THelpForm& f, TReader& r) {
            f.Label1 = r.Create<TLabel>("Label1", &f,
                                        TLabelArgs{.control = {.bounds = {88, 240, 129, 13}},
                                                   .caption = "The main menu of program:"});
          },
          [](THelpForm& f, TReader& r) {
            f.BitBtn1 = r.Create<TBitBtn>(
                "BitBtn1", &f,
                TBitBtnArgs{.button = {.control = {.bounds = {8, 8, 75, 25}, .tabOrder = 0},
                                       .caption = "Close"}});
            f.BitBtn1->OnClick = Handler(f, &THelpForm::BitBtn1Click);
          },
          [](THelpForm& f, TReader& r) {
            f.Memo1 = r.Create<TMemo>(
                "Memo1", &f,
                PageText({120, 160, 401, 57}, 1,
                         {"This is main icon of program.",
                          "When program is started icon will come up for near by clock.",
                          "To call the main menu of program press on icon by mouse button."}));
          },
          [](THelpForm& f, TReader& r) {
            f.Memo2 = r.Create<TMemo>(
                "Memo2", &f,
                PageText({160, 272, 313, 57}, 2,
                         {"The main window of options program.",
                          "Choose necessary options and press the \"Apply\" button."}));
          },
          [](THelpForm& f, TReader& r) {
            f.Memo3 = r.Create<TMemo>("Memo3", &f, PageText({160, 352, 305, 57}, 3, {"Help"}));
          },
          [](THelpForm& f, TReader& r) {
            f.Memo4 = r.Create<TMemo>("Memo4", &f, PageText({160, 440, 329, 57}, 4, {"About"}));
          },
          [](THelpForm& f, TReader& r) {
            f.Memo5 = r.Create<TMemo>(
                "Memo5", &f,
                PageText({160, 528, 401, 65}, 5,
                         {"Exit of program.", "When program is terminated all adjusting ",
                          "the icon a button START restore  if they there were is hidden."}));
          },
          [](THelpForm& f, TReader& r) {
            f.Memo6 = r.Create<TMemo>(
                "Memo6", &f,
                PageText({56, 56, 521, 65}, 6,
                         {"Protect your PC from Calvorin!", "",
                          "Calvorin is your solution for parental control software.",
                          "It helps protect against harmful content online as well as control or "
                          "block them from programs on your PC or ",
                          "your personal files."}));
          },
      }};
  return layout;
}
