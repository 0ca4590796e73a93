// Glyph adapters: the skin's check and radio strips in the frame order of other component sets.
#include "skin/controls/SkinGlyphs.h"

#include <algorithm>
#include <array>
#include <utility>

#include <windowsx.h>

#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/imaging/SkinPaint.h"

namespace {

// (new frame, source frame) pairs; the second list only when the source has 5 frames.
struct TCopyPlan {
  int Frames;
  std::vector<std::pair<int, int>> Always;
  std::vector<std::pair<int, int>> WithFifth;
};

const TCopyPlan* PlanOf(int Kind) {
  static const TCopyPlan Check{9, {{1, 1}, {4, 1}, {2, 2}, {5, 2}, {7, 3}, {8, 4}}, {{3, 5}, {6, 5}, {9, 5}}};
  static const TCopyPlan Radio{6, {{1, 1}, {3, 1}, {2, 2}, {4, 2}, {5, 3}, {6, 4}}, {}};
  static const TCopyPlan DevCheck{6, {{1, 1}, {4, 1}, {2, 2}, {5, 2}}, {{3, 5}, {6, 5}}};
  switch (Kind) {
    case kObjImageCheck:
      return &Check;
    case kObjImageRadio:
      return &Radio;
    case kObjImageDevCheck:
      return &DevCheck;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<TBitmap> BuildGlyphStrip(int Kind, TBitmap* Source, int FrameCount) {
  const TCopyPlan* Plan = PlanOf(Kind);
  if (!Plan || !Source || Source->Empty() || FrameCount < 1) return nullptr;
  const int W = Source->Width() / FrameCount;
  const int H = Source->Height();
  if (W <= 0) return nullptr;
  auto Strip = std::make_unique<TBitmap>(W * Plan->Frames, H);
  HDC To = Strip->Canvas()->Handle();
  HDC From = Source->Canvas()->Handle();
  auto Copy = [&](const std::pair<int, int>& Step) {
    if (Step.second > FrameCount) return;
    BitBlt(To, (Step.first - 1) * W, 0, W, H, From, (Step.second - 1) * W, 0, SRCCOPY);
  };
  for (const auto& Step : Plan->Always) Copy(Step);
  if (FrameCount == 5)
    for (const auto& Step : Plan->WithFifth) Copy(Step);
  return Strip;
}

void TSkinObjImage::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool /*SetColor*/) {
  if (FInited) return;
  FSkinData = SkinData;
  FCanvas = Canvas;
  FControl = dynamic_cast<TControl*>(Owner());
  AttachForm(FormSkin);
  ChangeImage();
  FInited = true;
  FStatus = kControlInited;
}

void TSkinObjImage::SkinChange() {
  ChangeImage();
}

void TSkinObjImage::ChangeImage() {
  switch (FKind) {
    case kObjImageCheck:
      SetRzImage();
      break;
    case kObjImageRadio:
      SetRzRadio();
      break;
    case kObjImageDevCheck:
      SetDevCheck();
      break;
  }
}

namespace {

void HandOverCustomGlyphs(TControl* Control, TBitmap* Strip) {
  auto* Glyphs = static_cast<TBitmap*>(GetObjProp(Control, "CustomGlyphs", TBitmap::StaticClass()));
  if (!Glyphs || !Strip) return;
  Glyphs->Assign(Strip);
  SetProperty(Control, "transparentcolor", IntToStr(0xFF00FF));
  // Off and on again, so the control takes the new glyphs.
  SetProperty(Control, "UseCustomGlyphs", "false");
  SetProperty(Control, "UseCustomGlyphs", "true");
}

}  // namespace

void TSkinObjImage::SetRzImage() {
  if (!FSkinData || !FSkinData->Button) return;
  auto Strip =
      BuildGlyphStrip(kObjImageCheck, FSkinData->Button->CheckBitmap.get(), FSkinData->Button->CheckFrame);
  HandOverCustomGlyphs(FControl, Strip.get());
}

void TSkinObjImage::SetRzRadio() {
  if (!FSkinData || !FSkinData->Button) return;
  auto Strip =
      BuildGlyphStrip(kObjImageRadio, FSkinData->Button->RadioBitmap.get(), FSkinData->Button->RadioFrame);
  HandOverCustomGlyphs(FControl, Strip.get());
}

void TSkinObjImage::SetDevCheck() {
  if (!FSkinData || !FSkinData->Button) return;
  auto Strip =
      BuildGlyphStrip(kObjImageDevCheck, FSkinData->Button->CheckBitmap.get(), FSkinData->Button->CheckFrame);
  if (!Strip) return;
  TObject* Properties = GetObjProp(FControl, "Properties", TPersistent::StaticClass());
  auto* Glyph = static_cast<TBitmap*>(GetObjProp(Properties, "Glyph", TBitmap::StaticClass()));
  if (!Glyph) return;
  Glyph->Assign(Strip.get());
  Glyph->SetTransparentColor(0xFF00FF);
  Glyph->SetTransparent(false);
}

void TSkinObjImage::Unsubclass() {
  TSkinControl::Unsubclass();
  if (FStatus == kControlDestroyed || !FControl) return;
  if (FKind == kObjImageCheck || FKind == kObjImageRadio) {
    SetProperty(FControl, "UseCustomGlyphs", "false");
  } else if (FKind == kObjImageDevCheck) {
    TObject* Properties = GetObjProp(FControl, "Properties", TPersistent::StaticClass());
    if (auto* Glyph = static_cast<TBitmap*>(GetObjProp(Properties, "Glyph", TBitmap::StaticClass()))) {
      TBitmap Empty;
      Glyph->Assign(&Empty);
    }
  }
}

// ---------------------------------------------------------------------------------------------------
// TWMediaPlayer

namespace {

constexpr const char* kPlayerButtons[] = {"btPlay", "btPause", "btStop",   "btNext", "btPrev",
                                          "btStep", "btBack",  "btRecord", "btEject"};
constexpr const char* kGlyphResources[] = {"MPPLAY", "MPPAUSE", "MPSTOP",   "MPNEXT", "MPPREV",
                                           "MPSTEP", "MPBACK",  "MPRECORD", "MPEJECT"};
constexpr const char* kGlyphKinds[] = {"EN", "DI", "CL"};
// The glyphs' background colour (olive), left out when they are drawn.
constexpr TColor kGlyphKey = 0x008080;

bool Names(const String& Set, const char* Button) {
  return Set.find(Button) != String::npos;
}

}  // namespace

TWMediaPlayer::TWMediaPlayer(TComponent* AOwner) : TCustomPanel(AOwner) {
  HINSTANCE Instance = GetModuleHandleW(nullptr);
  for (int Button = 0; Button < kButtons; ++Button)
    for (int Kind = 0; Kind < 3; ++Kind) {
      auto Glyph = std::make_unique<TBitmap>();
      try {
        Glyph->LoadFromResourceName(Instance, String(kGlyphKinds[Kind]) + "_" + kGlyphResources[Button]);
      } catch (...) {
        Glyph = std::make_unique<TBitmap>();  // a program without the glyphs shows bare faces
      }
      FButtons[static_cast<std::size_t>(Button)].Glyphs[static_cast<std::size_t>(Kind)] = std::move(Glyph);
    }
  SetBevelOuter(bvNone);
}

TWMediaPlayer::~TWMediaPlayer() = default;

void TWMediaPlayer::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomPanel::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FControl) FControl = nullptr;
  if (AComponent == reinterpret_cast<TComponent*>(FOwnerSkin)) FOwnerSkin = nullptr;
}

void TWMediaPlayer::Attach(TSkinMP* OwnerSkin, TControl* Control) {
  FOwnerSkin = OwnerSkin;
  FControl = Control;
  FSkinData = OwnerSkin ? OwnerSkin->FSkinData : nullptr;
  if (FSkinData) SetTag(FSkinData->DisableTag);  // the control discovery passes it by
  if (Control) Control->FreeNotification(this);
  if (OwnerSkin) OwnerSkin->FreeNotification(this);
  SetPosition(Control);
  if (Control) SetParent(Control->Parent());
  // Above the player: its buttons are ours to show.
  if (HandleAllocated())
    SetWindowPos(WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWMediaPlayer::SetPosition(TControl* Control) {
  if (!Control) return;
  SetBounds(Control->Left(), Control->Top(), Control->Width(), Control->Height());
}

void TWMediaPlayer::ReadButtons() {
  const String Visible = GetProperty(FControl, "VisibleButtons");
  const String Enabled = GetProperty(FControl, "EnabledButtons");
  const String Colored = GetProperty(FControl, "ColoredButtons");
  FVisibleCount = 0;
  for (int I = 0; I < kButtons; ++I) {
    TButtonLook& Look = FButtons[static_cast<std::size_t>(I)];
    Look.Visible = Names(Visible, kPlayerButtons[I]);
    Look.Enabled = Names(Enabled, kPlayerButtons[I]);
    Look.Colored = Names(Colored, kPlayerButtons[I]);
    if (Look.Visible) ++FVisibleCount;
  }
  FButtonWidth = FVisibleCount ? Width() / FVisibleCount : 0;
}

int TWMediaPlayer::FindButton(int X) {
  ReadButtons();
  int Left = 0;
  for (int I = 0; I < kButtons; ++I) {
    if (!FButtons[static_cast<std::size_t>(I)].Visible) continue;
    if (Left <= X && X <= Left + FButtonWidth) return I;
    Left += FButtonWidth;
  }
  return kNoButton;
}

void TWMediaPlayer::Paint() {
  TCanvas* Target = Canvas();
  const int W = Width();
  const int H = Height();
  if (!Target || W <= 0 || H <= 0) return;
  const TColor Face = FSkinData ? FSkinData->Colors[csButtonFace] : clBtnFace;
  ReadButtons();
  if (FVisibleCount == 0) {
    FillColor(Target->Handle(), RECT{0, 0, W, H}, Face);
    return;
  }
  TBitmap Work(W, H);
  FillColor(Work.Canvas()->Handle(), RECT{0, 0, W, H}, Face);
  int Left = 0;
  for (int I = 0; I < kButtons; ++I) {
    if (!FButtons[static_cast<std::size_t>(I)].Visible) continue;
    DrawButton(Work.Canvas(), I, RECT{Left, 0, Left + FButtonWidth, H});
    Left += FButtonWidth;
  }
  BitBlt(Target->Handle(), 0, 0, W, H, Work.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TWMediaPlayer::DrawButton(TCanvas* Canvas, int Index, const RECT& Rect) {
  if (!Canvas || Index < 0 || Index >= kButtons) return;
  const TButtonLook& Look = FButtons[static_cast<std::size_t>(Index)];
  const int Kind = !Look.Enabled ? 1 : Look.Colored ? 2 : 0;
  int Frame = 1;
  if (FPressed && Index == FDownButton) Frame = 2;
  if (!Look.Enabled) Frame = 3;
  HDC DC = Canvas->Handle();
  if (FSkinData && FSkinData->Button && FSkinData->Button->Bitmap && !FSkinData->Button->Bitmap->Empty()) {
    const TDataSkinButton* Skin = FSkinData->Button.get();
    DrawRect2(DC, Rect, Skin->Bitmap.get(), Skin->Margins, Frame, std::max(Skin->FrameCount, 1), Skin->Trans,
              Skin->Tile, 0);
  }
  TBitmap* Glyph = Look.Glyphs[static_cast<std::size_t>(Kind)].get();
  if (!Glyph || Glyph->Empty()) return;
  const int Shift = Frame == 2 ? 1 : 0;
  const int X = Rect.left + (Rect.right - Rect.left - Glyph->Width()) / 2 + Shift;
  const int Y = Rect.top + (Rect.bottom - Rect.top - Glyph->Height()) / 2 + Shift;
  DrawTranmap(DC, RECT{X, Y, X + Glyph->Width(), Y + Glyph->Height()}, Glyph, kGlyphKey);
}

void TWMediaPlayer::Forward(const TMessage& Message) {
  auto* Player = dynamic_cast<TWinControl*>(FControl);
  if (!Player || !Player->HandleAllocated()) return;
  SendMessageW(Player->WindowHandle(), Message.Msg, Message.WParam, Message.LParam);
}

void TWMediaPlayer::WndProc(TMessage& Message) {
  // Failures end at the framework's window procedure, which reports them.
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: {
      TCustomPanel::WndProc(Message);
      Forward(Message);
      // The player took the mouse for its press: the panel holds it instead, so that the release
      // comes here wherever it happens.
      if (GetCapture() != WindowHandle()) {
        ReleaseCapture();
        SetCapture(WindowHandle());
      }
      FPressed = true;
      FDownButton = FindButton(GET_X_LPARAM(Message.LParam));
      Invalidate();
      return;
    }
    case WM_LBUTTONUP: {
      FPressed = false;
      TCustomPanel::WndProc(Message);
      if (GetCapture() == WindowHandle()) ReleaseCapture();
      const int Hit = FindButton(GET_X_LPARAM(Message.LParam));
      const RECT Client = ClientRect();
      const POINT At{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
      // Released over another button (or off the panel): the player hears nothing of it.
      if (Hit == FDownButton && PtInRect(&Client, At)) Forward(Message);
      FDownButton = Hit;
      Invalidate();
      return;
    }
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      // The mouse taken away in the middle of a press: the press is over.
      if (FPressed && reinterpret_cast<HWND>(Message.LParam) != WindowHandle()) {
        FPressed = false;
        Invalidate();
      }
      break;
  }
  TCustomPanel::WndProc(Message);
}

// ---------------------------------------------------------------------------------------------------
// TSkinMP

TSkinMP::~TSkinMP() {
  // The panel never outlives the player it stands for.
  FreePlayer();
}

void TSkinMP::Notification(TComponent* AComponent, TOperation Operation) {
  TSkinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPlayer) FPlayer = nullptr;
}

void TSkinMP::FreePlayer() {
  TWMediaPlayer* Player = FPlayer;
  FPlayer = nullptr;
  if (Player) {
    Player->RemoveFreeNotification(this);
    delete Player;
  }
}

void TSkinMP::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) {
  if (FInited) return;
  TSkinControl::Init(FormSkin, SkinData, Canvas, SetColor);
  if (!FControl || !FControl->Parent()) return;
  FPlayer = new TWMediaPlayer(FormSkin ? static_cast<TComponent*>(FormSkin) : this);
  FPlayer->FreeNotification(this);
  FPlayer->Attach(this, FControl);
  FPlayer->SetVisible(FControl->Visible());
}

void TSkinMP::AfterProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_WINDOWPOSCHANGED:
      if (FPlayer) FPlayer->SetPosition(FControl);
      break;
    case CM_VISIBLECHANGED:
      if (FPlayer && FControl) FPlayer->SetVisible(FControl->Visible());
      break;
    default:
      TSkinControl::AfterProc(Message);
      break;
  }
}

void TSkinMP::Unsubclass() {
  TSkinControl::Unsubclass();
  if (FStatus != kControlDestroyed) FreePlayer();
}
