// TCustomMemo and TMemo: multi-line text on the system EDIT class, its lines reached as a string
// list (Lines) that reads and writes the window's text.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "framework/win/controls/StdCtrls.h"

PUBLISHED_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)

class TCustomMemo;

// The lines of a memo. While an update is running the lines are kept here and the window gets the
// whole text once at the end.
class TMemoStrings : public TStrings {
  DECLARE_CLASS(TMemoStrings, TStrings)

 public:
  explicit TMemoStrings(TCustomMemo* Memo) : FMemo(Memo) {}
  int Count() const override;
  String Get(int Index) const override;
  void Put(int Index, const String& S) override;
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override;
  void SetText(std::string_view Text) override;

 protected:
  void SetUpdateState(bool Updating) override;

 private:
  std::vector<String> Lines() const;
  void Store(const std::vector<String>& Lines);

  TCustomMemo* FMemo;
  std::optional<std::vector<String>> FPending;
};

class TCustomMemo : public TCustomEdit {
  DECLARE_CLASS(TCustomMemo, TCustomEdit)

 public:
  explicit TCustomMemo(TComponent* Owner);
  ~TCustomMemo() override;
  static void Publish(TPublisher<TCustomMemo>& P);

  TStrings* Lines() const { return FLines.get(); }
  void SetLines(TStrings* Value) { FLines->Assign(Value); }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // Whether Enter and Tab go into the text or to the dialog (the default button, the next control).
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

  std::unique_ptr<TMemoStrings> FLines;
  TAlignment FAlignment = taLeftJustify;
  TScrollStyle FScrollBars = ssNone;
  bool FWordWrap = true;
  bool FWantReturns = true;
  bool FWantTabs = false;
};

class TMemo : public TCustomMemo {
  DECLARE_CLASS(TMemo, TCustomMemo)

 public:
  explicit TMemo(TComponent* Owner) : TCustomMemo(Owner) {}
};
