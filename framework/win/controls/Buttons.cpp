#include "framework/win/controls/Buttons.h"

#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Colors.h"

namespace {

// Restores everything selected into a DC on every path.
class TSavedDC {
 public:
  explicit TSavedDC(HDC dc) : FDC(dc), FState(SaveDC(dc)) {}
  ~TSavedDC() { RestoreDC(FDC, FState); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

 private:
  HDC FDC;
  int FState;
};

}  // namespace

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.Style = (params.Style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
      message.Result = TRUE;
      return;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button reports a quick second press as a double click, not a click.
      message.Msg = WM_LBUTTONDOWN;
      break;
  }
  TButton::WndProc(message);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  TSavedDC saved(dc);
  RECT r = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  const bool focused = item.itemState & ODS_FOCUS;
  const bool disabled = item.itemState & ODS_DISABLED;

  if (FDefault || focused) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

  RECT text = r;
  if (pressed) OffsetRect(&text, 1, 1);
  SelectObject(dc, FFont->Handle());
  SetBkMode(dc, TRANSPARENT);
  const std::wstring caption = Utf8ToWide(GetText());
  UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (UseRightToLeftReading()) flags |= DT_RTLREADING;
  if (disabled) {
    // Engraved text: highlight one pixel down-right, shadow on top.
    RECT shifted = text;
    OffsetRect(&shifted, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &shifted, flags);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  } else {
    SetTextColor(dc, ColorToRGB(FFont->Color()));
  }
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, flags);

  if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = r;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}
