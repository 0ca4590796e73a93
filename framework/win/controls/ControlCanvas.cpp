#include "framework/win/controls/ControlCanvas.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/win/controls/Controls.h"

namespace {

// The canvases of this thread that hold a borrowed DC.
thread_local std::vector<TControlCanvas*> g_borrowers;

}  // namespace

TControlCanvas::~TControlCanvas() {
  FreeHandle();
}

void TControlCanvas::SetControl(TControl* Value) {
  if (FControl == Value) return;
  FreeHandle();
  FControl = Value;
}

void TControlCanvas::CreateHandle() {
  if (!FControl) return;
  auto* Window = dynamic_cast<TWinControl*>(FControl);
  const bool Windowless = !Window;
  if (Windowless) Window = FControl->Parent();
  if (!Window || !Window->HandleAllocated()) return;
  HDC DC = GetDCEx(Window->WindowHandle(), nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  if (!DC) return;
  if (Windowless) {
    SetViewportOrgEx(DC, FControl->Left(), FControl->Top(), nullptr);
    IntersectClipRect(DC, 0, 0, FControl->Width(), FControl->Height());
  }
  FWindow = Window->WindowHandle();
  FBorrowed = DC;
  g_borrowers.push_back(this);
  SetHandle(DC);
}

void TControlCanvas::FreeHandle() {
  if (!FBorrowed) return;
  SetHandle(nullptr);
  ReleaseDC(FWindow, FBorrowed);
  FBorrowed = nullptr;
  FWindow = nullptr;
  g_borrowers.erase(std::remove(g_borrowers.begin(), g_borrowers.end(), this), g_borrowers.end());
}

TPaintCycleCanvas::TPaintCycleCanvas(TControlCanvas* Canvas, HDC DC) : FCanvas(Canvas) {
  FCanvas->FreeHandle();
  FCanvas->Lock();
  FCanvas->SetHandle(DC);
}

TPaintCycleCanvas::~TPaintCycleCanvas() {
  FCanvas->SetHandle(nullptr);
  FCanvas->Unlock();
}

void SyncCanvasFont(TCanvas* Canvas, TFont* Font) {
  if (!Canvas || !Font) return;
  TFont* Current = Canvas->Font();
  const LOGFONTW A = Current->LogFont(), B = Font->LogFont();
  if (std::memcmp(&A, &B, sizeof A) != 0) {
    Current->Assign(Font);
  } else if (Current->Color() != Font->Color()) {
    Current->SetColor(Font->Color());
  }
}

void FreeLentCanvasDCs() {
  if (g_borrowers.empty()) return;
  const std::vector<TControlCanvas*> Borrowers = g_borrowers;
  for (TControlCanvas* Canvas : Borrowers) Canvas->FreeHandle();
}
