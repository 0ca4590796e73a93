// TTimer: OnTimer every Interval milliseconds while enabled, on the thread that runs the message loop.
#pragma once

#include <windows.h>

#include "framework/core/Classes.h"

class TTimer : public TComponent {
  DECLARE_CLASS(TTimer, TComponent)

 public:
  explicit TTimer(TComponent* Owner);
  ~TTimer() override;
  static void Publish(TPublisher<TTimer>& P) {
    P.Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(1);
    P.Int("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
    P.Event("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
  }

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool V);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned V);
  const TNotifyEvent& OnTimer() const { return FOnTimer; }
  void SetOnTimer(const TNotifyEvent& V);
  // Runs only when enabled, with an interval and a handler.
  bool Running() const { return FId != 0; }

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR Id, DWORD);

  bool FEnabled = true;
  unsigned FInterval = 1000;
  TNotifyEvent FOnTimer;
  UINT_PTR FId = 0;
};
