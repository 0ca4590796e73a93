// Interim start-up of the gradient utility on bare Win32 windows, for a tree whose framework does not
// carry forms, buttons and dialogs yet: the same controls, layout and handlers, the same generator.
#include <windows.h>

#include <commdlg.h>

#include <string>

#include "app/Generator.h"

namespace {

enum : int { kStartButton = 101, kGenerate, kEndButton, kField };

struct FormState {
  HWND Field = nullptr;
  COLORREF Start = RGB(255, 0, 0);
  COLORREF End = RGB(0, 0, 255);
  COLORREF DialogColour = 0;  // the dialog reopens with the colour last confirmed in it
  COLORREF Custom[16]{};
  bool Pressed = false;
};
FormState g_form;

class Font {
 public:
  Font(const wchar_t* face, int height, int weight, BYTE charset)
      : FHandle(CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face)) {}
  ~Font() {
    if (FHandle) DeleteObject(FHandle);
  }
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  HFONT Handle() const { return FHandle; }

 private:
  HFONT FHandle;
};

void PickColour(HWND form, COLORREF& target) {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = form;
  cc.rgbResult = g_form.DialogColour;
  cc.lpCustColors = g_form.Custom;
  cc.Flags = CC_RGBINIT;
  if (!ChooseColorW(&cc)) return;
  g_form.DialogColour = cc.rgbResult;
  target = cc.rgbResult;
}

void Generate() {
  const int length = GetWindowTextLengthW(g_form.Field);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(g_form.Field, text.data(), length + 1)));
  gradient::Steps steps;
  gradient::GenerateToClipboard(std::u16string(text.begin(), text.end()), g_form.Start, g_form.End, steps);
}

LRESULT CALLBACK FormProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) {
        switch (LOWORD(wp)) {
          case kStartButton:
            PickColour(wnd, g_form.Start);
            return 0;
          case kEndButton:
            PickColour(wnd, g_form.End);
            return 0;
          case kGenerate:
            Generate();
            return 0;
        }
      }
      break;
    case WM_LBUTTONDOWN:
      g_form.Pressed = true;
      return 0;
    case WM_LBUTTONUP:
      if (g_form.Pressed && !IsWindowEnabled(g_form.Field)) {
        SetWindowTextW(g_form.Field, L"");
        EnableWindow(g_form.Field, TRUE);
        SetFocus(g_form.Field);
      }
      g_form.Pressed = false;
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(wnd, msg, wp, lp);
}

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, RECT r, HFONT font) {
  HWND wnd =
      CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, r.left, r.top, r.right,
                      r.bottom, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return wnd;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = FormProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"TForm1";
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassW(&wc);

  // The hidden owner carries the application title shown on the task bar.
  HWND owner = CreateWindowExW(0, L"STATIC", L"Kuvo\u6e10\u53d8\u5b57\u4ee3\u7801\u751f\u6210\u5668",
                               WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  const DWORD style = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  RECT r{0, 0, 249, 73};
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_DLGMODALFRAME);
  const int width = r.right - r.left, height = r.bottom - r.top;
  HWND form = CreateWindowExW(
      WS_EX_DLGMODALFRAME, wc.lpszClassName, L"\u6e10\u53d8\u5b57\u4ee3\u7801\u751f\u6210\u5668", style,
      (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width,
      height, owner, nullptr, instance, nullptr);
  if (!form) return 1;

  const Font formFont(L"MS Sans Serif", -11, FW_NORMAL, DEFAULT_CHARSET);
  const Font smallBold(L"\u5fae\u8f6f\u96c5\u9ed1", -11, FW_BOLD, ANSI_CHARSET);
  const Font regular(L"\u5fae\u8f6f\u96c5\u9ed1", -13, FW_NORMAL, ANSI_CHARSET);
  Child(form, L"BUTTON", L"\u5934", BS_PUSHBUTTON, kStartButton, {0, 16, 33, 21}, smallBold.Handle());
  Child(form, L"BUTTON", L"\u751f\u6210\u4ee3\u7801\u5e76\u590d\u5236\u5230\u526a\u5207\u677f", BS_PUSHBUTTON,
        kGenerate, {16, 40, 217, 25}, regular.Handle());
  Child(form, L"BUTTON", L"\u5c3e", BS_PUSHBUTTON, kEndButton, {216, 16, 33, 21}, smallBold.Handle());
  g_form.Field = Child(form, L"EDIT", L"Kuvo \u6e10\u53d8\u5b57", WS_BORDER | ES_AUTOHSCROLL | WS_DISABLED,
                       kField, {32, 16, 185, 21}, formFont.Handle());

  ShowWindow(form, show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(form, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
