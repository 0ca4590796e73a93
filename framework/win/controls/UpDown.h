// TUpDown: a pair of arrow buttons on the system's up-down class, optionally driving the number shown
// by its associate (an edit beside it or around it).
#pragma once

#include "framework/win/controls/Controls.h"

PUBLISHED_ENUM(TUDOrientation, udHorizontal, udVertical)
PUBLISHED_ENUM(TUDAlignButton, udLeft, udRight)
// Which arrow was pressed (the media player has its own btNext and btPrev).
enum class TUDBtnType { btNext, btPrev };

class TUpDown : public TWinControl {
  DECLARE_CLASS(TUpDown, TWinControl)

 public:
  explicit TUpDown(TComponent* AOwner);
  ~TUpDown() override;
  static void Publish(TPublisher<TUpDown>& P);

  // The control whose text follows the position; sits beside the arrows when both share a parent.
  TWinControl* Associate() const { return FAssociate; }
  void SetAssociate(TWinControl* Value);
  TUDAlignButton AlignButton() const { return FAlignButton; }
  void SetAlignButton(TUDAlignButton Value);
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const;
  void SetPosition(int Value);
  int Increment() const { return FIncrement; }
  void SetIncrement(int Value);
  TUDOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation Value);
  bool Wrap() const { return FWrap; }
  void SetWrap(bool Value);
  bool ArrowKeys() const { return FArrowKeys; }
  void SetArrowKeys(bool Value);
  bool Thousands() const { return FThousands; }
  void SetThousands(bool Value);

  // Before the position moves; clearing AllowChange keeps it.
  TEvent<void(TObject* Sender, bool& AllowChange)> OnChanging;
  // After an arrow moved the position.
  TEvent<void(TObject* Sender, TUDBtnType Button)> OnClick;

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;

 private:
  void AttachBuddy();

  TWinControl* FAssociate = nullptr;
  TUDAlignButton FAlignButton = udRight;
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FIncrement = 1;
  TUDOrientation FOrientation = udVertical;
  bool FWrap = false;
  bool FArrowKeys = true;
  bool FThousands = true;
  int FLastDelta = 0;  // of the move under way, which tells the arrow
};
