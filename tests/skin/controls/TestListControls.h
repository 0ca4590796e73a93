// A test-only report-style list view as a framework control (for the list view's skin object, which
// takes a framework control), with columns and rows added through the window's messages.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

#include "framework/win/controls/Controls.h"

namespace ctltest {

class TTestListView : public TWinControl {
  DECLARE_CLASS(TTestListView, TWinControl)

 public:
  explicit TTestListView(TComponent* AOwner) : TWinControl(AOwner) {
    FWidth = 240;
    FHeight = 160;
  }
  // Columns of Width pixels captioned "Column n", and Rows rows.
  void Fill(int Columns, int Width, int Rows) {
    HWND Wnd = Handle();
    for (int Column = 0; Column < Columns; ++Column) {
      LVCOLUMNW Col{};
      Col.mask = LVCF_TEXT | LVCF_WIDTH;
      Col.cx = Width;
      std::wstring Text = L"Column " + std::to_wstring(Column);
      Col.pszText = Text.data();
      SendMessageW(Wnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(Column), reinterpret_cast<LPARAM>(&Col));
    }
    for (int Row = 0; Row < Rows; ++Row) {
      LVITEMW Item{};
      Item.mask = LVIF_TEXT;
      Item.iItem = Row;
      std::wstring Text = L"row " + std::to_wstring(Row);
      Item.pszText = Text.data();
      SendMessageW(Wnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&Item));
    }
  }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TWinControl::CreateParams(Params);
    Params.BaseClassName = WC_LISTVIEWW;
    Params.Style |= LVS_REPORT | WS_VSCROLL | WS_HSCROLL;
    Params.ExStyle |= WS_EX_CLIENTEDGE;
  }
};

}  // namespace ctltest
