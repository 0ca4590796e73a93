// A flag raised for the length of a scope: re-entry guards ("already aligning", "re-creating the
// window", "deleting nodes") that must fall back on every path, an exception's too.
#pragma once

class TScopedFlag {
 public:
  // Sets Flag to Value; the flag gets its previous value back when the scope ends.
  explicit TScopedFlag(bool& Flag, bool Value = true) : FFlag(Flag), FPrevious(Flag) { Flag = Value; }
  ~TScopedFlag() { FFlag = FPrevious; }
  TScopedFlag(const TScopedFlag&) = delete;
  TScopedFlag& operator=(const TScopedFlag&) = delete;

 private:
  bool& FFlag;
  bool FPrevious;
};
