// TDateTimePicker: a date or a time on the system's date-time picker, changed through a drop-down
// calendar or up-down arrows. Descriptions give the value as text: Date = '2024-05-17', Time = '13:45:00'.
#pragma once

#include "framework/win/controls/CommonControls.h"
#include "framework/win/controls/Controls.h"

PUBLISHED_ENUM(TDateTimeKind, dtkDate, dtkTime)
PUBLISHED_ENUM(TDTDateMode, dmComboBox, dmUpDown)
PUBLISHED_ENUM(TDTDateFormat, dfShort, dfLong)

class TDateTimePicker : public TWinControl {
  DECLARE_CLASS(TDateTimePicker, TWinControl)

 public:
  explicit TDateTimePicker(TComponent* AOwner);
  static void Publish(TPublisher<TDateTimePicker>& P);

  TDateTimeKind Kind() const { return FKind; }
  void SetKind(TDateTimeKind Value);
  TDTDateMode DateMode() const { return FDateMode; }
  void SetDateMode(TDTDateMode Value);
  TDTDateFormat DateFormat() const { return FDateFormat; }
  void SetDateFormat(TDTDateFormat Value);
  // A check box in front of the value; unchecked means no value.
  bool ShowCheckbox() const { return FShowCheckbox; }
  void SetShowCheckbox(bool Value);
  bool Checked() const;
  void SetChecked(bool Value);

  // The value shown (date and time together).
  SYSTEMTIME DateTime() const;
  void SetDateTime(const SYSTEMTIME& Value);
  // "YYYY-MM-DD" and "HH:MM:SS"; EConvertError for text that names no valid date or time.
  String Date() const;
  void SetDate(const String& Value);
  String Time() const;
  void SetTime(const String& Value);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;

 private:
  TDateTimeKind FKind = dtkDate;
  TDTDateMode FDateMode = dmComboBox;
  TDTDateFormat FDateFormat = dfShort;
  bool FShowCheckbox = false;
  bool FChecked = true;
  SYSTEMTIME FDateTime{};
};
