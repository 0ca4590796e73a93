// TMediaPlayer: nine buttons the control draws itself (play, pause, stop, next, previous, step, back,
// record, eject) that drive a device of the platform's media control interface. The glyphs are bitmap
// resources named kind_button, kind EN (enabled), DI (disabled) or CL (coloured): EN_MPPLAY and so on.
// A device that cannot be opened or a command it refuses raises EMCIDeviceError with the reason.
#pragma once

#include <array>
#include <memory>

#include "framework/win/controls/CustomControl.h"
#include "framework/win/graphics/Bitmap.h"

class EMCIDeviceError : public Exception {
 public:
  using Exception::Exception;
};

PUBLISHED_ENUM(TMPBtnType, btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject)
using TButtonSet = TSet<TMPBtnType>;
PUBLISHED_ENUM(TMPGlyph, mgEnabled, mgDisabled, mgColored)
PUBLISHED_ENUM(TMPDeviceTypes, dtAutoSelect, dtAVIVideo, dtCDAudio, dtDAT, dtDigitalVideo, dtMMMovie, dtOther,
               dtOverlay, dtScanner, dtSequencer, dtVCR, dtVideodisc, dtWaveAudio)
PUBLISHED_ENUM(TMPModes, mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen)

inline constexpr TButtonSet kAllMPButtons{btPlay, btPause, btStop,   btNext, btPrev,
                                          btStep, btBack,  btRecord, btEject};

// A click on a button; clearing DoDefault keeps the player from running the button's command.
using TMPClickEvent = TEvent<void(TObject* Sender, TMPBtnType Button, bool& DoDefault)>;

class TMediaPlayer : public TCustomControl {
  DECLARE_CLASS(TMediaPlayer, TCustomControl)

 public:
  explicit TMediaPlayer(TComponent* AOwner);
  ~TMediaPlayer() override;
  static void Publish(TPublisher<TMediaPlayer>& P);

  TButtonSet VisibleButtons() const { return FVisibleButtons; }
  void SetVisibleButtons(TButtonSet Value);
  TButtonSet EnabledButtons() const { return FEnabledButtons; }
  void SetEnabledButtons(TButtonSet Value);
  TButtonSet ColoredButtons() const { return FColoredButtons; }
  void SetColoredButtons(TButtonSet Value);
  // The buttons enable themselves for what the device can do in its mode (none while it is closed).
  bool AutoEnable() const { return FAutoEnable; }
  void SetAutoEnable(bool Value);
  bool AutoOpen() const { return FAutoOpen; }
  void SetAutoOpen(bool Value) { FAutoOpen = Value; }
  bool AutoRewind() const { return FAutoRewind; }
  void SetAutoRewind(bool Value) { FAutoRewind = Value; }
  const String& FileName() const { return FFileName; }
  void SetFileName(const String& Value) { FFileName = Value; }
  TMPDeviceTypes DeviceType() const { return FDeviceType; }
  void SetDeviceType(TMPDeviceTypes Value) { FDeviceType = Value; }

  // The device, while open.
  bool IsOpen() const { return FDeviceId != 0; }
  TMPModes Mode() const;
  void Open();
  void Close();
  void Play();
  void Pause();
  void Stop();
  void Next();
  void Previous();
  void Step();
  void Back();
  void StartRecording();
  void Eject();

  // Where button Button is drawn (empty while it is hidden).
  RECT ButtonRect(TMPBtnType Button) const;
  // The glyph bitmap of a button in one of its looks (empty when the program carries no such resource).
  TBitmap* Glyph(TMPBtnType Button, TMPGlyph Kind) const;

  TMPClickEvent OnClick;
  // The device finished what it was told to do (played to the end, for instance).
  TNotifyEvent OnNotify;

  void Loaded() override;

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;
  virtual void DoClick(TMPBtnType Button);

 private:
  // The visible button under a client point, -1 for none.
  int ButtonAt(int X, int Y) const;
  int ButtonWidth() const;
  // Sends an MCI command to the open device; raises EMCIDeviceError with the system's reason.
  void Command(UINT Message, DWORD_PTR Flags, void* Params, const char* What);
  void RequireOpen(const char* What) const;
  void AutoButtons();

  std::array<std::array<std::unique_ptr<TBitmap>, 3>, 9> FGlyphs;
  TButtonSet FVisibleButtons = kAllMPButtons;
  TButtonSet FEnabledButtons = kAllMPButtons;
  TButtonSet FColoredButtons = kAllMPButtons;
  bool FAutoEnable = true;
  bool FAutoOpen = false;
  bool FAutoRewind = true;
  String FFileName;
  TMPDeviceTypes FDeviceType = dtAutoSelect;
  UINT FDeviceId = 0;
  int FDownButton = -1;   // the button pressed and not yet released
  bool FPressed = false;  // the mouse is still over it
};
