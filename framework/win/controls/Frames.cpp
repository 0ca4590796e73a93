#include "framework/win/controls/Frames.h"

TCustomFrame::TCustomFrame(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 320;
  FHeight = 240;
}

void TCustomFrame::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
  Params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TCustomFrame::WndProc(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) {
    RECT Client;
    GetClientRect(FHandle, &Client);
    FillRect(reinterpret_cast<HDC>(Message.WParam), &Client, ColorBrush());
    Message.Result = 1;
    return;
  }
  TWinControl::WndProc(Message);
}
