#include "framework/win/controls/Images.h"

#include <algorithm>

#include "framework/core/Streams.h"

// ---- TPicture -----------------------------------------------------------------------------------

TPicture::TPicture() = default;

TPicture::~TPicture() {
  if (FGraphic) FGraphic->OnChange.Clear();
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TPicture::GraphicChanged(TObject*) {
  Changed();
}

void TPicture::SetGraphic(TGraphic* Value) {
  std::unique_ptr<TGraphic> Copy;
  if (Value) {
    // Only bitmaps exist as graphics so far.
    if (!dynamic_cast<TBitmap*>(Value)) throw EInvalidGraphic("Unsupported graphic: " + Value->ClassName());
    Copy = std::make_unique<TBitmap>();
    Copy->Assign(Value);
    Copy->OnChange = TNotifyEvent::Bind<&TPicture::GraphicChanged>(this);
  }
  if (FGraphic) FGraphic->OnChange.Clear();
  FGraphic = std::move(Copy);
  Changed();
}

TBitmap* TPicture::Bitmap() {
  if (auto* Existing = dynamic_cast<TBitmap*>(FGraphic.get())) return Existing;
  auto Fresh = std::make_unique<TBitmap>();
  Fresh->OnChange = TNotifyEvent::Bind<&TPicture::GraphicChanged>(this);
  if (FGraphic) FGraphic->OnChange.Clear();
  FGraphic = std::move(Fresh);
  Changed();
  return static_cast<TBitmap*>(FGraphic.get());
}

void TPicture::LoadFromFile(const String& FileName) {
  TBitmap Loaded;
  Loaded.LoadFromFile(FileName);
  SetGraphic(&Loaded);
}

void TPicture::SaveToFile(const String& FileName) {
  if (FGraphic) FGraphic->SaveToFile(FileName);
}

void TPicture::Assign(TPersistent* Source) {
  if (!Source) {
    SetGraphic(nullptr);
  } else if (auto* Other = dynamic_cast<TPicture*>(Source)) {
    if (Other != this) SetGraphic(Other->FGraphic.get());
  } else if (auto* Graphic = dynamic_cast<TGraphic*>(Source)) {
    SetGraphic(Graphic);
  } else {
    TPersistent::Assign(Source);
  }
}

void TPicture::DefineProperties(TFiler& Filer) {
  TPersistent::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "Data", [this](TStream& S) { ReadData(S); }, [this](TStream& S) { WriteData(S); },
      FGraphic && !FGraphic->Empty());
}

void TPicture::ReadData(TStream& Stream) {
  std::uint8_t Length = 0;
  Stream.ReadBuffer(&Length, 1);
  String ClassName(Length, '\0');
  if (Length) Stream.ReadBuffer(ClassName.data(), Length);
  if (!SameText(ClassName, "TBitmap")) throw EInvalidGraphic("Unsupported graphic: " + ClassName);
  // The bitmap's own data: a length, then the BMP file.
  Stream.ReadInt32();
  TBitmap Loaded;
  Loaded.LoadFromStream(Stream);
  SetGraphic(&Loaded);
}

void TPicture::WriteData(TStream& Stream) {
  if (!FGraphic) return;
  const String ClassName = FGraphic->ClassName();
  const auto Length = static_cast<std::uint8_t>(std::min<size_t>(ClassName.size(), 255));
  Stream.WriteBuffer(&Length, 1);
  Stream.WriteBuffer(ClassName.data(), Length);
  TMemoryStream File;
  FGraphic->SaveToStream(File);
  Stream.WriteInt32(static_cast<std::int32_t>(File.Size()));
  File.SaveToStream(Stream);
}

// ---- TImage -------------------------------------------------------------------------------------

TImage::TImage(TComponent* Owner) : TGraphicControl(Owner), FPicture(std::make_unique<TPicture>()) {
  FWidth = 105;
  FHeight = 105;
  FPicture->OnChange = TNotifyEvent::Bind<&TImage::PictureChanged>(this);
}

TImage::~TImage() {
  FPicture->OnChange.Clear();
}

void TImage::Publish(TPublisher<TImage>& P) {
  P.Bool("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(0);
  P.Bool("Center", &TImage::Center, &TImage::SetCenter).Default(0);
  P.Obj("Picture", &TImage::Picture, &TImage::SetPicture);
  P.Bool("Proportional", &TImage::Proportional, &TImage::SetProportional).Default(0);
  P.Bool("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(0);
  P.Bool("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(0);
}

void TImage::PictureChanged(TObject*) {
  if (TGraphic* Graphic = FPicture->Graphic(); Graphic && Graphic->Transparent() != FTransparent)
    Graphic->SetTransparent(FTransparent);  // comes back here once, then matches
  if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0)
    SetBounds(FLeft, FTop, FPicture->Width(), FPicture->Height());
  Invalidate();
}

void TImage::SetAutoSize(bool Value) {
  FAutoSize = Value;
  PictureChanged(this);
}

void TImage::SetCenter(bool Value) {
  if (FCenter == Value) return;
  FCenter = Value;
  Invalidate();
}

void TImage::SetProportional(bool Value) {
  if (FProportional == Value) return;
  FProportional = Value;
  Invalidate();
}

void TImage::SetStretch(bool Value) {
  if (FStretch == Value) return;
  FStretch = Value;
  Invalidate();
}

void TImage::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  PictureChanged(this);
  InvalidateArea();
}

RECT TImage::DestRect() const {
  const int W = FPicture->Width(), H = FPicture->Height();
  const int CW = FWidth, CH = FHeight;
  if (W <= 0 || H <= 0) return {0, 0, 0, 0};
  int DW = W, DH = H;
  if (FStretch || (FProportional && (W > CW || H > CH))) {
    if (FProportional) {
      // The larger scale that still fits, in integers (CW / W against CH / H).
      if (static_cast<long long>(CW) * H <= static_cast<long long>(CH) * W) {
        DW = CW;
        DH = static_cast<int>(static_cast<long long>(H) * CW / W);
      } else {
        DH = CH;
        DW = static_cast<int>(static_cast<long long>(W) * CH / H);
      }
    } else {
      DW = CW;
      DH = CH;
    }
  }
  RECT Rect{0, 0, DW, DH};
  if (FCenter) OffsetRect(&Rect, (CW - DW) / 2, (CH - DH) / 2);
  return Rect;
}

void TImage::Paint() {
  TGraphic* Graphic = FPicture->Graphic();
  if (!Graphic || Graphic->Empty()) return;
  const RECT Rect = DestRect();
  if (Rect.right - Rect.left == Graphic->Width() && Rect.bottom - Rect.top == Graphic->Height())
    Canvas()->Draw(Rect.left, Rect.top, Graphic);
  else
    Canvas()->StretchDraw(Rect, Graphic);
}
