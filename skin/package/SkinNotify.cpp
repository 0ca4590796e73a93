#include "skin/package/SkinNotify.h"

#include <cstdio>
#include <utility>

namespace {

TSkinMessageNotifier& CurrentNotifier() {
  static TSkinMessageNotifier Notifier;
  return Notifier;
}

}  // namespace

TSkinMessageNotifier SetSkinMessageNotifier(TSkinMessageNotifier Notifier) {
  return std::exchange(CurrentNotifier(), std::move(Notifier));
}

void ShowSkinMessage(const String& Text) {
  if (const auto& N = CurrentNotifier())
    N(Text);
  else
    DefaultSkinMessage(Text);
}

#ifndef _WIN32
void DefaultSkinMessage(const String& Text) {
  String Line = Text;
  for (char& C : Line)
    if (C == '\r') C = '\n';
  std::fprintf(stderr, "%s\n", Line.c_str());
}
#endif
