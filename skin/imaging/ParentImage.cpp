// DrawParentImage: a control's parent paints itself behind the control.
#include "framework/win/controls/Controls.h"
#include "skin/imaging/SkinPaint.h"

void DrawParentImage(HWND Parent, int Left, int Top, const RECT& ClientRect, HDC DC, bool SwallowErrors) {
  if (!Parent || !DC) return;
  TSaveDC Saved(DC);  // origin and clip come back on every path
  POINT Origin{};
  GetViewportOrgEx(DC, &Origin);
  SetViewportOrgEx(DC, Origin.x - Left, Origin.y - Top, nullptr);
  RECT R = ClientRect;
  OffsetRect(&R, Left, Top);
  IntersectClipRect(DC, R.left, R.top, R.right, R.bottom);
  auto Send = [&](UINT Message) {
    if (!SwallowErrors) {
      SendMessageW(Parent, Message, reinterpret_cast<WPARAM>(DC), 0);
      return;
    }
    try {
      SendMessageW(Parent, Message, reinterpret_cast<WPARAM>(DC), 0);
    } catch (...) {
      // A parent under construction in a designer may not paint yet; its control still does.
    }
  };
  Send(WM_ERASEBKGND);
  Send(WM_PAINT);
}

void DrawParentImage(TControl* Control, HDC DC, bool /*Spare*/) {
  if (!Control || !Control->Parent()) return;
  const HWND ParentWnd = Control->Parent()->Handle();
  DrawParentImage(ParentWnd, Control->Left(), Control->Top(), Control->ClientRect(), DC,
                  Control->ComponentState().Contains(csDesigning));
}
