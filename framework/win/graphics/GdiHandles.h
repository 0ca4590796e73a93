// Owners of raw GDI objects and device contexts. Each wrapper releases its handle exactly once, on
// every path, with the call that matches how it was obtained.
#pragma once

#include <windows.h>

#include <utility>

// A pen, brush, font, bitmap, palette or region created by this process; deleted with DeleteObject.
template <class H>
class TGdiHandle {
 public:
  TGdiHandle() = default;
  explicit TGdiHandle(H Handle) : FHandle(Handle) {}
  TGdiHandle(const TGdiHandle&) = delete;
  TGdiHandle& operator=(const TGdiHandle&) = delete;
  TGdiHandle(TGdiHandle&& Other) noexcept : FHandle(Other.Release()) {}
  TGdiHandle& operator=(TGdiHandle&& Other) noexcept {
    Reset(Other.Release());
    return *this;
  }
  ~TGdiHandle() { Reset(); }

  H Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  // Gives up ownership: the caller deletes the handle.
  H Release() { return std::exchange(FHandle, nullptr); }
  void Reset(H Handle = nullptr) {
    if (FHandle && FHandle != Handle) DeleteObject(FHandle);
    FHandle = Handle;
  }

 private:
  H FHandle = nullptr;
};

using TGdiPen = TGdiHandle<HPEN>;
using TGdiBrush = TGdiHandle<HBRUSH>;
using TGdiFont = TGdiHandle<HFONT>;
using TGdiBitmap = TGdiHandle<HBITMAP>;
using TGdiPalette = TGdiHandle<HPALETTE>;
using TGdiRegion = TGdiHandle<HRGN>;

// A memory device context from CreateCompatibleDC; deleted with DeleteDC.
class TMemoryDC {
 public:
  explicit TMemoryDC(HDC Compatible = nullptr) : FDC(CreateCompatibleDC(Compatible)) {}
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  ~TMemoryDC() {
    if (FDC) DeleteDC(FDC);
  }
  HDC Get() const { return FDC; }
  explicit operator bool() const { return FDC != nullptr; }

 private:
  HDC FDC;
};

// A memory device context with a bitmap of its own selected into it: at the end the bitmap is put
// out of the DC, then the DC and the bitmap are deleted. Holds nothing when either could not be had.
class TBitmapDC {
 public:
  TBitmapDC() = default;
  // Takes ownership of Bitmap, whatever happens.
  TBitmapDC(HDC Compatible, HBITMAP Bitmap) : FBitmap(Bitmap) {
    if (!FBitmap) return;
    FDC = CreateCompatibleDC(Compatible);
    if (FDC) {
      FOld = SelectObject(FDC, FBitmap.Get());
    } else {
      FBitmap.Reset();
    }
  }
  TBitmapDC(const TBitmapDC&) = delete;
  TBitmapDC& operator=(const TBitmapDC&) = delete;
  TBitmapDC(TBitmapDC&& Other) noexcept
      : FBitmap(std::move(Other.FBitmap)),
        FDC(std::exchange(Other.FDC, nullptr)),
        FOld(std::exchange(Other.FOld, nullptr)) {}
  TBitmapDC& operator=(TBitmapDC&& Other) noexcept {
    if (this != &Other) {
      Reset();
      FBitmap = std::move(Other.FBitmap);
      FDC = std::exchange(Other.FDC, nullptr);
      FOld = std::exchange(Other.FOld, nullptr);
    }
    return *this;
  }
  ~TBitmapDC() { Reset(); }

  HDC Get() const { return FDC; }
  HBITMAP Bitmap() const { return FBitmap.Get(); }
  explicit operator bool() const { return FDC != nullptr; }
  void Reset() {
    if (FDC) {
      if (FOld) SelectObject(FDC, FOld);
      DeleteDC(FDC);
    }
    FDC = nullptr;
    FOld = nullptr;
    FBitmap.Reset();
  }

 private:
  TGdiHandle<HBITMAP> FBitmap;
  HDC FDC = nullptr;
  HGDIOBJ FOld = nullptr;
};

// A device context the window manager lends for a window (null: the screen), given back with
// ReleaseDC exactly once by whichever owner holds it last. Its kinds below say how it is borrowed.
class TBorrowedDC {
 public:
  TBorrowedDC(const TBorrowedDC&) = delete;
  TBorrowedDC& operator=(const TBorrowedDC&) = delete;
  TBorrowedDC(TBorrowedDC&& Other) noexcept
      : FWindow(std::exchange(Other.FWindow, nullptr)), FDC(std::exchange(Other.FDC, nullptr)) {}
  TBorrowedDC& operator=(TBorrowedDC&& Other) noexcept {
    if (this != &Other) {
      GiveBack();
      FWindow = std::exchange(Other.FWindow, nullptr);
      FDC = std::exchange(Other.FDC, nullptr);
    }
    return *this;
  }
  ~TBorrowedDC() { GiveBack(); }

  HDC Get() const { return FDC; }
  explicit operator bool() const { return FDC != nullptr; }

 protected:
  // Takes over DC, lent for Window; a null DC (the loan failed) holds nothing.
  TBorrowedDC(HWND Window, HDC DC) : FWindow(Window), FDC(DC) {}

 private:
  void GiveBack() {
    if (FDC) ReleaseDC(FWindow, FDC);
    FDC = nullptr;
  }

  HWND FWindow;
  HDC FDC;
};

// The client area's device context of a window (or the screen's, for nullptr) from GetDC.
class TClientDC : public TBorrowedDC {
 public:
  explicit TClientDC(HWND Window = nullptr) : TBorrowedDC(Window, GetDC(Window)) {}
};

// The screen's device context.
class TScreenDC : public TClientDC {
 public:
  TScreenDC() : TClientDC(nullptr) {}
};

// The device context of a whole window, frame and caption included, from GetWindowDC. Holds nothing
// for a null window (GetWindowDC(nullptr) would be the screen).
class TWholeWindowDC : public TBorrowedDC {
 public:
  explicit TWholeWindowDC(HWND Window) : TBorrowedDC(Window, Window ? GetWindowDC(Window) : nullptr) {}
};

// Selects an object into a DC for one scope and puts the previous one back, so that the object can
// be deleted afterwards (GDI refuses to delete what is still selected).
class TSelectObject {
 public:
  TSelectObject(HDC DC, HGDIOBJ Object) : FDC(DC), FOld(DC && Object ? SelectObject(DC, Object) : nullptr) {}
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;
  ~TSelectObject() {
    if (FOld) SelectObject(FDC, FOld);
  }

 private:
  HDC FDC;
  HGDIOBJ FOld;
};

// Saves the whole state of a DC (clip, origin, objects, modes) and restores it.
class TSaveDC {
 public:
  explicit TSaveDC(HDC DC) : FDC(DC), FSaved(SaveDC(DC)) {}
  TSaveDC(const TSaveDC&) = delete;
  TSaveDC& operator=(const TSaveDC&) = delete;
  ~TSaveDC() {
    if (FSaved) RestoreDC(FDC, FSaved);
  }

 private:
  HDC FDC;
  int FSaved;
};
