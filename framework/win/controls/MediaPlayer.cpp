#include "framework/win/controls/MediaPlayer.h"

#include <mmsystem.h>
#include <windowsx.h>

#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Colors.h"

namespace {

constexpr const char* kButtonNames[] = {"MPPLAY", "MPPAUSE", "MPSTOP",   "MPNEXT", "MPPREV",
                                        "MPSTEP", "MPBACK",  "MPRECORD", "MPEJECT"};
constexpr const char* kGlyphKinds[] = {"EN", "DI", "CL"};
// The glyphs' background, left out when they are drawn.
constexpr TColor kGlyphKey = 0x008080;

constexpr const wchar_t* kDeviceNames[] = {nullptr,    L"avivideo",  L"cdaudio",  L"dat",     L"digitalvideo",
                                           L"mmmovie", L"other",     L"overlay",  L"scanner", L"sequencer",
                                           L"vcr",     L"videodisc", L"waveaudio"};

String MciErrorText(MCIERROR Error) {
  wchar_t Text[256] = {};
  if (!mciGetErrorStringW(Error, Text, 256) || !Text[0]) return "error " + IntToStr(static_cast<int>(Error));
  return WideToUtf8(Text);
}

}  // namespace

TMediaPlayer::TMediaPlayer(TComponent* AOwner) : TCustomControl(AOwner) {
  FWidth = 253;
  FHeight = 30;
  HINSTANCE Instance = GetModuleHandleW(nullptr);
  for (int Button = 0; Button < 9; ++Button)
    for (int Kind = 0; Kind < 3; ++Kind) {
      auto Glyph = std::make_unique<TBitmap>();
      try {
        Glyph->LoadFromResourceName(Instance, String(kGlyphKinds[Kind]) + "_" + kButtonNames[Button]);
        Glyph->SetTransparentMode(tmFixed);
        Glyph->SetTransparentColor(kGlyphKey);
        Glyph->SetTransparent(true);
      } catch (const Exception&) {
        // A program built without the glyphs shows the buttons bare.
        Glyph = std::make_unique<TBitmap>();
      }
      FGlyphs[static_cast<size_t>(Button)][static_cast<size_t>(Kind)] = std::move(Glyph);
    }
}

TMediaPlayer::~TMediaPlayer() {
  if (FDeviceId) mciSendCommandW(FDeviceId, MCI_CLOSE, MCI_WAIT, 0);
  FDeviceId = 0;
}

void TMediaPlayer::Publish(TPublisher<TMediaPlayer>& P) {
  P.Set("VisibleButtons", &TMediaPlayer::VisibleButtons, &TMediaPlayer::SetVisibleButtons)
      .Default(static_cast<std::int64_t>(kAllMPButtons.Bits()));
  P.Set("EnabledButtons", &TMediaPlayer::EnabledButtons, &TMediaPlayer::SetEnabledButtons)
      .Default(static_cast<std::int64_t>(kAllMPButtons.Bits()));
  P.Set("ColoredButtons", &TMediaPlayer::ColoredButtons, &TMediaPlayer::SetColoredButtons)
      .Default(static_cast<std::int64_t>(kAllMPButtons.Bits()));
  P.Bool("AutoEnable", &TMediaPlayer::AutoEnable, &TMediaPlayer::SetAutoEnable).Default(1);
  P.Bool("AutoOpen", &TMediaPlayer::AutoOpen, &TMediaPlayer::SetAutoOpen).Default(0);
  P.Bool("AutoRewind", &TMediaPlayer::AutoRewind, &TMediaPlayer::SetAutoRewind).Default(1);
  P.Str("FileName", &TMediaPlayer::FileName, &TMediaPlayer::SetFileName);
  P.Enum("DeviceType", &TMediaPlayer::DeviceType, &TMediaPlayer::SetDeviceType).Default(dtAutoSelect);
  P.Event("OnClick", &TMediaPlayer::OnClick);
  P.Event("OnNotify", &TMediaPlayer::OnNotify);
}

void TMediaPlayer::Loaded() {
  TCustomControl::Loaded();
  if (ComponentState().Contains(csDesigning)) return;
  AutoButtons();
  if (FAutoOpen && !FFileName.empty()) Open();
}

TBitmap* TMediaPlayer::Glyph(TMPBtnType Button, TMPGlyph Kind) const {
  if (Button < btPlay || Button > btEject || Kind < mgEnabled || Kind > mgColored) return nullptr;
  return FGlyphs[static_cast<size_t>(Button)][static_cast<size_t>(Kind)].get();
}

void TMediaPlayer::SetVisibleButtons(TButtonSet Value) {
  FVisibleButtons = Value * kAllMPButtons;
  Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet Value) {
  FEnabledButtons = Value * kAllMPButtons;
  Invalidate();
}

void TMediaPlayer::SetColoredButtons(TButtonSet Value) {
  FColoredButtons = Value * kAllMPButtons;
  Invalidate();
}

void TMediaPlayer::SetAutoEnable(bool Value) {
  FAutoEnable = Value;
  if (Value && !ComponentState().Contains(csLoading)) AutoButtons();
}

void TMediaPlayer::AutoButtons() {
  if (!FAutoEnable) return;
  TButtonSet Buttons;
  switch (Mode()) {
    case mpNotReady:
      if (IsOpen()) Buttons = {btEject};
      break;
    case mpStopped:
    case mpOpen:
    case mpSeeking:
      Buttons = {btPlay, btRecord, btEject, btNext, btPrev, btStep, btBack};
      break;
    case mpPlaying:
      Buttons = {btPause, btStop, btNext, btPrev, btStep, btBack, btEject};
      break;
    case mpRecording:
      Buttons = {btPause, btStop};
      break;
    case mpPaused:
      Buttons = {btPlay, btStop, btNext, btPrev, btStep, btBack, btEject};
      break;
  }
  SetEnabledButtons(Buttons);
}

TMPModes TMediaPlayer::Mode() const {
  if (!FDeviceId) return mpNotReady;
  MCI_STATUS_PARMS Status{};
  Status.dwItem = MCI_STATUS_MODE;
  if (mciSendCommandW(FDeviceId, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                      reinterpret_cast<DWORD_PTR>(&Status)))
    return mpNotReady;
  switch (Status.dwReturn) {
    case MCI_MODE_STOP:
      return mpStopped;
    case MCI_MODE_PLAY:
      return mpPlaying;
    case MCI_MODE_RECORD:
      return mpRecording;
    case MCI_MODE_SEEK:
      return mpSeeking;
    case MCI_MODE_PAUSE:
      return mpPaused;
    case MCI_MODE_OPEN:
      return mpOpen;
    default:
      return mpNotReady;
  }
}

void TMediaPlayer::Open() {
  if (FFileName.empty()) throw EMCIDeviceError("The media player has no file to open");
  Close();
  const std::wstring Element = Utf8ToWide(FFileName);
  MCI_OPEN_PARMSW Params{};
  Params.lpstrElementName = Element.c_str();
  DWORD_PTR Flags = MCI_OPEN_ELEMENT | MCI_WAIT;
  if (FDeviceType != dtAutoSelect) {
    Params.lpstrDeviceType = kDeviceNames[FDeviceType];
    Flags |= MCI_OPEN_TYPE;
  }
  if (const MCIERROR Error = mciSendCommandW(0, MCI_OPEN, Flags, reinterpret_cast<DWORD_PTR>(&Params)))
    throw EMCIDeviceError("Cannot open \"" + FFileName + "\": " + MciErrorText(Error));
  FDeviceId = Params.wDeviceID;
  AutoButtons();
}

void TMediaPlayer::Close() {
  if (!FDeviceId) return;
  mciSendCommandW(FDeviceId, MCI_CLOSE, MCI_WAIT, 0);
  FDeviceId = 0;
  AutoButtons();
}

void TMediaPlayer::RequireOpen(const char* What) const {
  if (!FDeviceId) throw EMCIDeviceError(String("Cannot ") + What + ": no device is open");
}

void TMediaPlayer::Command(UINT Message, DWORD_PTR Flags, void* Params, const char* What) {
  RequireOpen(What);
  if (const MCIERROR Error = mciSendCommandW(FDeviceId, Message, Flags, reinterpret_cast<DWORD_PTR>(Params)))
    throw EMCIDeviceError(String("Cannot ") + What + ": " + MciErrorText(Error));
  AutoButtons();
}

void TMediaPlayer::Play() {
  RequireOpen("play");
  if (FAutoRewind && Mode() == mpStopped) {
    // At the end already: start from the beginning.
    MCI_STATUS_PARMS Status{};
    Status.dwItem = MCI_STATUS_POSITION;
    MCI_STATUS_PARMS Length{};
    Length.dwItem = MCI_STATUS_LENGTH;
    if (!mciSendCommandW(FDeviceId, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                         reinterpret_cast<DWORD_PTR>(&Status)) &&
        !mciSendCommandW(FDeviceId, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                         reinterpret_cast<DWORD_PTR>(&Length)) &&
        Length.dwReturn > 0 && Status.dwReturn >= Length.dwReturn)
      mciSendCommandW(FDeviceId, MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, 0);
  }
  MCI_PLAY_PARMS Params{};
  Params.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
  Command(MCI_PLAY, MCI_NOTIFY, &Params, "play");
}

void TMediaPlayer::Pause() {
  Command(MCI_PAUSE, MCI_WAIT, nullptr, "pause");
}

void TMediaPlayer::Stop() {
  Command(MCI_STOP, MCI_WAIT, nullptr, "stop");
}

void TMediaPlayer::Next() {
  Command(MCI_SEEK, MCI_SEEK_TO_END | MCI_WAIT, nullptr, "go to the end");
}

void TMediaPlayer::Previous() {
  Command(MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, nullptr, "go to the start");
}

void TMediaPlayer::Step() {
  Command(MCI_STEP, MCI_WAIT, nullptr, "step");
}

void TMediaPlayer::Back() {
  Command(MCI_STEP, MCI_ANIM_STEP_REVERSE | MCI_WAIT, nullptr, "step back");
}

void TMediaPlayer::StartRecording() {
  MCI_RECORD_PARMS Params{};
  Params.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
  Command(MCI_RECORD, MCI_NOTIFY, &Params, "record");
}

void TMediaPlayer::Eject() {
  Command(MCI_SET, MCI_SET_DOOR_OPEN | MCI_WAIT, nullptr, "eject");
}

int TMediaPlayer::ButtonWidth() const {
  int Count = 0;
  for (int I = btPlay; I <= btEject; ++I)
    if (FVisibleButtons.Contains(static_cast<TMPBtnType>(I))) ++Count;
  return Count ? ClientWidth() / Count : 0;
}

RECT TMediaPlayer::ButtonRect(TMPBtnType Button) const {
  if (!FVisibleButtons.Contains(Button)) return {};
  const int Width = ButtonWidth();
  int Left = 0;
  for (int I = btPlay; I < Button; ++I)
    if (FVisibleButtons.Contains(static_cast<TMPBtnType>(I))) Left += Width;
  return {Left, 0, Left + Width, ClientHeight()};
}

int TMediaPlayer::ButtonAt(int X, int Y) const {
  if (Y < 0 || Y >= ClientHeight()) return -1;
  for (int I = btPlay; I <= btEject; ++I) {
    const RECT R = ButtonRect(static_cast<TMPBtnType>(I));
    if (X >= R.left && X < R.right) return I;
  }
  return -1;
}

void TMediaPlayer::DoClick(TMPBtnType Button) {
  bool DoDefault = true;
  if (OnClick) OnClick(this, Button, DoDefault);
  if (!DoDefault) return;
  switch (Button) {
    case btPlay:
      Play();
      break;
    case btPause:
      Pause();
      break;
    case btStop:
      Stop();
      break;
    case btNext:
      Next();
      break;
    case btPrev:
      Previous();
      break;
    case btStep:
      Step();
      break;
    case btBack:
      Back();
      break;
    case btRecord:
      StartRecording();
      break;
    case btEject:
      Eject();
      break;
  }
}

void TMediaPlayer::Paint() {
  TCanvas* C = Canvas();
  HDC DC = C->Handle();
  const RECT Client = ClientRect();
  C->Brush()->SetColor(FColor);
  C->FillRect(Client);
  for (int I = btPlay; I <= btEject; ++I) {
    const auto Button = static_cast<TMPBtnType>(I);
    RECT R = ButtonRect(Button);
    if (R.right <= R.left) continue;
    const bool Down = FPressed && FDownButton == I;
    DrawFrameControl(DC, &R, DFC_BUTTON, DFCS_BUTTONPUSH | (Down ? DFCS_PUSHED : 0));
    const bool Enabled = FEnabled && FEnabledButtons.Contains(Button);
    TBitmap* Picture = Glyph(Button, !Enabled                           ? mgDisabled
                                     : FColoredButtons.Contains(Button) ? mgColored
                                                                        : mgEnabled);
    if (!Picture || Picture->Empty()) continue;
    const int X = (R.left + R.right - Picture->Width()) / 2 + (Down ? 1 : 0);
    const int Y = (R.top + R.bottom - Picture->Height()) / 2 + (Down ? 1 : 0);
    C->Draw(X, Y, Picture);
  }
}

void TMediaPlayer::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int Hit = ButtonAt(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
      if (Hit >= 0 && FEnabledButtons.Contains(static_cast<TMPBtnType>(Hit))) {
        FDownButton = Hit;
        FPressed = true;
        SetCapture(FHandle);
        Invalidate();
      }
      Message.Result = 0;
      return;
    }
    case WM_MOUSEMOVE:
      if (FDownButton >= 0) {
        const bool Over = ButtonAt(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)) == FDownButton;
        if (Over != FPressed) {
          FPressed = Over;
          Invalidate();
        }
      }
      break;
    case WM_LBUTTONUP: {
      // The capture may be gone (whoever draws the buttons in front of this control lets it go):
      // what counts is that the release comes over the button that was pressed.
      const int Down = FDownButton;
      FDownButton = -1;
      FPressed = false;
      if (GetCapture() == FHandle) ReleaseCapture();
      Invalidate();
      Message.Result = 0;
      if (Down >= 0 && ButtonAt(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)) == Down)
        DoClick(static_cast<TMPBtnType>(Down));
      return;
    }
    case MM_MCINOTIFY:
      AutoButtons();
      if (OnNotify) OnNotify(this);
      Message.Result = 0;
      return;
  }
  TCustomControl::WndProc(Message);
}
