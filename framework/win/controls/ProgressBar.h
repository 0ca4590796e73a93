// TProgressBar: a progress indicator on the system's progress-bar class.
#pragma once

#include "framework/win/controls/Controls.h"

PUBLISHED_ENUM(TProgressBarOrientation, pbHorizontal, pbVertical)

class TProgressBar : public TWinControl {
  DECLARE_CLASS(TProgressBar, TWinControl)

 public:
  explicit TProgressBar(TComponent* AOwner);
  static void Publish(TPublisher<TProgressBar>& P);

  int Min() const { return FMin; }
  void SetMin(int Value) { SetRange(Value, FMax); }
  int Max() const { return FMax; }
  void SetMax(int Value) { SetRange(FMin, Value); }
  void SetRange(int AMin, int AMax);
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  int Step() const { return FStep; }
  void SetStep(int Value) { FStep = Value; }
  // Position moves by Step (by Delta), staying within the range.
  void StepIt() { SetPosition(FPosition + FStep); }
  void StepBy(int Delta) { SetPosition(FPosition + Delta); }
  TProgressBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TProgressBarOrientation Value);
  bool Smooth() const { return FSmooth; }
  void SetSmooth(bool Value);

  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;

 private:
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FStep = 10;
  TProgressBarOrientation FOrientation = pbHorizontal;
  bool FSmooth = false;
};
