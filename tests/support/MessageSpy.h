// A spy in front of a control's message method, the way the skinning engine sits there: it keeps
// every message that passes and hands each on to the method it found, which it puts back when freed.
#pragma once

#include <vector>

#include "framework/win/controls/Controls.h"

namespace testsupport {

class TMessageSpy : public TObject {
 public:
  explicit TMessageSpy(TControl* Control);
  ~TMessageSpy() override;

  bool Saw(UINT Msg) const;
  // The wParam of every message Msg, in order.
  std::vector<WPARAM> WParamsOf(UINT Msg) const;
  void Clear() { Seen.clear(); }
  std::vector<TMessage> Seen;  // as they came in, before the method behind answered

 private:
  void Proc(TMessage& Message);
  TControl* FControl;
  TWndMethod FSaved;
};

}  // namespace testsupport
