// DrawParentImage: a control's parent paints itself behind the control.
#include "framework/win/controls/Controls.h"
#include "skin/imaging/SkinPaint.h"

void DrawParentImage(HWND Parent, int Left, int Top, const RECT& ClientRect, HDC DC, bool SwallowErrors) {
  if (!Parent || !DC) return;
  TSaveDC saved(DC);  // origin and clip come back on every path
  POINT origin{};
  GetViewportOrgEx(DC, &origin);
  SetViewportOrgEx(DC, origin.x - Left, origin.y - Top, nullptr);
  RECT r = ClientRect;
  OffsetRect(&r, Left, Top);
  IntersectClipRect(DC, r.left, r.top, r.right, r.bottom);
  auto send = [&](UINT Message) {
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
  send(WM_ERASEBKGND);
  send(WM_PAINT);
}

void DrawParentImage(TControl* Control, HDC DC, bool /*Spare*/) {
  if (!Control || !Control->Parent()) return;
  const HWND parent = Control->Parent()->Handle();
  DrawParentImage(parent, Control->Left(), Control->Top(), Control->ClientRect(), DC,
                  Control->ComponentState().Contains(csDesigning));
}
