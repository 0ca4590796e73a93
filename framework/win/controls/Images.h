// TPicture holds one graphic (a bitmap) for a control and keeps it in form descriptions as
// "Picture.Data": the graphic's class name as a short string, then the graphic's own data.
// TImage shows a picture: at its top-left, centred, stretched, or scaled keeping its proportions.
#pragma once

#include <memory>

#include "framework/core/Persistent.h"
#include "framework/win/controls/GraphicControl.h"
#include "framework/win/graphics/Bitmap.h"

class TPicture : public TPersistent {
  DECLARE_CLASS(TPicture, TPersistent)

 public:
  TPicture();
  ~TPicture() override;

  // The graphic, null when the picture is empty.
  TGraphic* Graphic() const { return FGraphic.get(); }
  // A copy of Value (null empties the picture).
  void SetGraphic(TGraphic* Value);
  // The graphic as a bitmap; an empty picture (or one of another kind) becomes an empty bitmap.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* Value) { SetGraphic(Value); }
  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }

  // BMP files; EInvalidGraphic for anything else, the picture unchanged.
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName);

  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler& Filer) override;

  TNotifyEvent OnChange;

 private:
  void GraphicChanged(TObject* Sender);
  void Changed();
  void ReadData(TStream& Stream);
  void WriteData(TStream& Stream);

  std::unique_ptr<TGraphic> FGraphic;
};

class TImage : public TGraphicControl {
  DECLARE_CLASS(TImage, TGraphicControl)

 public:
  explicit TImage(TComponent* Owner);
  ~TImage() override;
  static void Publish(TPublisher<TImage>& P);

  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  bool Proportional() const { return FProportional; }
  void SetProportional(bool Value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  // The graphic is drawn with its transparent colour left out.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  // Where the picture goes in the control's client area.
  RECT DestRect() const;

 protected:
  void Paint() override;

 private:
  void PictureChanged(TObject* Sender);

  std::unique_ptr<TPicture> FPicture;
  bool FAutoSize = false;
  bool FCenter = false;
  bool FProportional = false;
  bool FStretch = false;
  bool FTransparent = false;
};
