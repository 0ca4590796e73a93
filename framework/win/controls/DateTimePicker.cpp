#include "framework/win/controls/DateTimePicker.h"

#include <cstdio>

namespace {

bool IsLeap(int Year) {
  return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0;
}

int DaysIn(int Year, int Month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return Month == 2 && IsLeap(Year) ? 29 : kDays[Month - 1];
}

// Reads N fields of digits separated by Separator; false when the text is anything else.
bool ReadFields(const String& Text, char Separator, int (&Fields)[3]) {
  size_t Pos = 0;
  for (int I = 0; I < 3; ++I) {
    if (I > 0) {
      if (Pos >= Text.size() || Text[Pos] != Separator) return false;
      ++Pos;
    }
    const size_t Start = Pos;
    int Value = 0;
    while (Pos < Text.size() && Text[Pos] >= '0' && Text[Pos] <= '9' && Pos - Start < 4)
      Value = Value * 10 + (Text[Pos++] - '0');
    if (Pos == Start) return false;
    Fields[I] = Value;
  }
  return Pos == Text.size();
}

// The day of the week (0 = Sunday) of a valid Gregorian date.
WORD DayOfWeek(int Year, int Month, int Day) {
  static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (Month < 3) --Year;
  return static_cast<WORD>((Year + Year / 4 - Year / 100 + Year / 400 + kOffsets[Month - 1] + Day) % 7);
}

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 186;
  FHeight = 21;
  FTabStop = true;
  FColor = clWindow;
  GetLocalTime(&FDateTime);
  FDateTime.wMilliseconds = 0;
}

void TDateTimePicker::Publish(TPublisher<TDateTimePicker>& P) {
  P.Enum("Kind", &TDateTimePicker::Kind, &TDateTimePicker::SetKind).Default(dtkDate);
  P.Enum("DateMode", &TDateTimePicker::DateMode, &TDateTimePicker::SetDateMode).Default(dmComboBox);
  P.Enum("DateFormat", &TDateTimePicker::DateFormat, &TDateTimePicker::SetDateFormat).Default(dfShort);
  P.Bool("ShowCheckbox", &TDateTimePicker::ShowCheckbox, &TDateTimePicker::SetShowCheckbox).Default(0);
  P.Bool("Checked", &TDateTimePicker::Checked, &TDateTimePicker::SetChecked).Default(1);
  P.Str("Date", &TDateTimePicker::Date, &TDateTimePicker::SetDate);
  P.Str("Time", &TDateTimePicker::Time, &TDateTimePicker::SetTime);
  P.Event("OnChange", &TDateTimePicker::OnChange);
}

void TDateTimePicker::CreateParams(TCreateParams& Params) {
  InitCommonControlClasses(ICC_DATE_CLASSES);
  TWinControl::CreateParams(Params);
  Params.BaseClassName = DATETIMEPICK_CLASSW;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
  if (FKind == dtkTime) Params.Style |= DTS_TIMEFORMAT;
  if (FKind == dtkDate && FDateMode == dmUpDown) Params.Style |= DTS_UPDOWN;
  if (FKind == dtkDate && FDateFormat == dfLong) Params.Style |= DTS_LONGDATEFORMAT;
  if (FShowCheckbox) Params.Style |= DTS_SHOWNONE;
}

void TDateTimePicker::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(FHandle, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&FDateTime));
  if (FShowCheckbox && !FChecked) SendMessageW(FHandle, DTM_SETSYSTEMTIME, GDT_NONE, 0);
}

void TDateTimePicker::SetKind(TDateTimeKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  RecreateWnd();
}

void TDateTimePicker::SetDateMode(TDTDateMode Value) {
  if (FDateMode == Value) return;
  FDateMode = Value;
  RecreateWnd();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat Value) {
  if (FDateFormat == Value) return;
  FDateFormat = Value;
  RecreateWnd();
}

void TDateTimePicker::SetShowCheckbox(bool Value) {
  if (FShowCheckbox == Value) return;
  FShowCheckbox = Value;
  RecreateWnd();
}

bool TDateTimePicker::Checked() const {
  if (FHandle && FShowCheckbox) {
    SYSTEMTIME Now{};
    return SendMessageW(FHandle, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&Now)) == GDT_VALID;
  }
  return FChecked;
}

void TDateTimePicker::SetChecked(bool Value) {
  FChecked = Value;
  if (!FHandle || !FShowCheckbox) return;
  if (Value)
    SendMessageW(FHandle, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&FDateTime));
  else
    SendMessageW(FHandle, DTM_SETSYSTEMTIME, GDT_NONE, 0);
}

SYSTEMTIME TDateTimePicker::DateTime() const {
  if (FHandle) {
    SYSTEMTIME Now{};
    if (SendMessageW(FHandle, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&Now)) == GDT_VALID) return Now;
  }
  return FDateTime;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& Value) {
  FDateTime = Value;
  if (FHandle) SendMessageW(FHandle, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&FDateTime));
}

String TDateTimePicker::Date() const {
  const SYSTEMTIME Now = DateTime();
  char Text[16];
  std::snprintf(Text, sizeof Text, "%04u-%02u-%02u", Now.wYear, Now.wMonth, Now.wDay);
  return Text;
}

void TDateTimePicker::SetDate(const String& Value) {
  int Fields[3] = {};
  if (!ReadFields(Value, '-', Fields) || Fields[0] < 1601 || Fields[0] > 9999 || Fields[1] < 1 ||
      Fields[1] > 12 || Fields[2] < 1 || Fields[2] > DaysIn(Fields[0], Fields[1]))
    throw EConvertError("'" + Value + "' is not a valid date");
  SYSTEMTIME Now = DateTime();
  Now.wYear = static_cast<WORD>(Fields[0]);
  Now.wMonth = static_cast<WORD>(Fields[1]);
  Now.wDay = static_cast<WORD>(Fields[2]);
  Now.wDayOfWeek = DayOfWeek(Fields[0], Fields[1], Fields[2]);
  SetDateTime(Now);
}

String TDateTimePicker::Time() const {
  const SYSTEMTIME Now = DateTime();
  char Text[16];
  std::snprintf(Text, sizeof Text, "%02u:%02u:%02u", Now.wHour, Now.wMinute, Now.wSecond);
  return Text;
}

void TDateTimePicker::SetTime(const String& Value) {
  int Fields[3] = {};
  if (!ReadFields(Value, ':', Fields) || Fields[0] > 23 || Fields[1] > 59 || Fields[2] > 59)
    throw EConvertError("'" + Value + "' is not a valid time");
  SYSTEMTIME Now = DateTime();
  Now.wHour = static_cast<WORD>(Fields[0]);
  Now.wMinute = static_cast<WORD>(Fields[1]);
  Now.wSecond = static_cast<WORD>(Fields[2]);
  Now.wMilliseconds = 0;
  SetDateTime(Now);
}

void TDateTimePicker::WndProc(TMessage& Message) {
  if (Message.Msg == CN_NOTIFY) {
    Message.Result = 0;
    const NMHDR* Header = NotifyHeader(Message);
    if (Header && Header->code == static_cast<UINT>(DTN_DATETIMECHANGE)) {
      FDateTime = DateTime();
      if (OnChange) OnChange(this);
    }
    return;
  }
  TWinControl::WndProc(Message);
}
