#include "platform/vcl/Memo.h"

namespace vcl {

TMemo::TMemo(TComponent* owner, std::string name, TWinControl* parent, const TMemoArgs& args)
    : TWinControl(owner, std::move(name), parent, args.control),
      borderStyle_(args.borderStyle),
      wordWrap_(args.wordWrap) {
  // Without ES_AUTOHSCROLL a multi-line edit wraps its lines at its width.
  DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | (wordWrap_ ? 0 : ES_AUTOHSCROLL);
  DWORD exStyle = borderStyle_ == TBorderStyle::bsSingle ? WS_EX_CLIENTEDGE : 0;
  CreateHandle({.className = "EDIT", .style = style, .exStyle = exStyle});
  SetLines(args.lines);
}

std::vector<std::string> TMemo::Lines() const {
  std::vector<std::string> lines;
  std::string text = Caption();
  size_t start = 0;
  for (;;) {
    size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  if (lines.size() == 1 && lines.front().empty()) lines.clear();
  return lines;
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  SetCaption(text);
}

std::optional<LRESULT> TMemo::Notification(UINT message, WPARAM wParam, LPARAM lParam) {
  // A disabled edit asks for the colours of static text: the system's grey on our background.
  if (message == WM_CTLCOLORSTATIC && !Enabled()) {
    LRESULT brush = TWinControl::Notification(message, wParam, lParam).value_or(0);
    SetTextColor(reinterpret_cast<HDC>(lParam), GetSysColor(COLOR_GRAYTEXT));
    return brush;
  }
  return TWinControl::Notification(message, wParam, lParam);
}

}  // namespace vcl
