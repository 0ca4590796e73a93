// The small popup that shows caption-button hints. Its window is made on first use, so components
// that never show a hint never create one.
#pragma once

#include <windows.h>

#include <string>

#include "framework/core/Types.h"
#include "framework/win/graphics/GdiHandles.h"

class TSkinHintWindow {
 public:
  TSkinHintWindow() = default;
  TSkinHintWindow(const TSkinHintWindow&) = delete;
  TSkinHintWindow& operator=(const TSkinHintWindow&) = delete;
  ~TSkinHintWindow();

  // The size the hint needs for Text, wrapped at MaxWidth, at the origin.
  RECT CalcHintRect(int MaxWidth, const String& Text);
  // Shows Text in R (screen coordinates) without taking the focus.
  void ActivateHint(const RECT& R, const String& Text);
  void Hide();
  HWND Handle() const { return FHandle; }
  bool Visible() const { return FHandle && IsWindowVisible(FHandle); }

 private:
  static LRESULT CALLBACK WndProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L);
  bool HandleNeeded();
  HFONT Font();

  HWND FHandle = nullptr;
  TGdiFont FFont;
  std::wstring FText;
};
