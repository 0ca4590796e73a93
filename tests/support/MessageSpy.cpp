#include "tests/support/MessageSpy.h"

#include <algorithm>

namespace testsupport {

TMessageSpy::TMessageSpy(TControl* Control) : FControl(Control), FSaved(Control->WindowProc) {
  Control->WindowProc = TWndMethod::Bind<&TMessageSpy::Proc>(this);
}

TMessageSpy::~TMessageSpy() {
  FControl->WindowProc = FSaved;
}

bool TMessageSpy::Saw(UINT Msg) const {
  return std::any_of(Seen.begin(), Seen.end(), [Msg](const TMessage& Message) { return Message.Msg == Msg; });
}

std::vector<WPARAM> TMessageSpy::WParamsOf(UINT Msg) const {
  std::vector<WPARAM> Found;
  for (const TMessage& Message : Seen)
    if (Message.Msg == Msg) Found.push_back(Message.WParam);
  return Found;
}

void TMessageSpy::Proc(TMessage& Message) {
  Seen.push_back(Message);
  FSaved(Message);
}

}  // namespace testsupport
