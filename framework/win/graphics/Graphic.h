// TGraphic: a picture that a canvas can draw and that can be kept in a stream or a file.
#pragma once

#include <windows.h>

#include "framework/core/Events.h"
#include "framework/core/Persistent.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"

class TCanvas;

class TGraphic : public TPersistent {
  DECLARE_CLASS(TGraphic, TPersistent)

 public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int Value) = 0;
  virtual void SetHeight(int Value) = 0;
  virtual bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);

  // A stream holds the picture from its position on; reading leaves the position after it.
  virtual void LoadFromStream(TStream& Stream) = 0;
  virtual void SaveToStream(TStream& Stream) = 0;
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName);

  bool Modified() const { return FModified; }
  void SetModified(bool Value) { FModified = Value; }

  TNotifyEvent OnChange;

 protected:
  friend class TCanvas;
  // Draws into R on the canvas, stretching when R's size differs from the picture's.
  virtual void Draw(TCanvas* ACanvas, const RECT& R) = 0;
  // Marks the picture modified and tells OnChange.
  virtual void Changed();

  bool FTransparent = false;

 private:
  bool FModified = false;
};

// A picture that cannot be read (corrupt or truncated data, unsupported format).
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};
// An operation the picture does not allow in its state (a scan line outside it, an unknown format).
class EInvalidGraphicOperation : public Exception {
 public:
  using Exception::Exception;
};
