#include "skin/package/SkinNotify.h"

#include <cstdio>
#include <utility>

namespace {

TSkinMessageNotifier& CurrentNotifier() {
  static TSkinMessageNotifier notifier;
  return notifier;
}

}  // namespace

TSkinMessageNotifier SetSkinMessageNotifier(TSkinMessageNotifier Notifier) {
  return std::exchange(CurrentNotifier(), std::move(Notifier));
}

void ShowSkinMessage(const String& Text) {
  if (const auto& n = CurrentNotifier())
    n(Text);
  else
    DefaultSkinMessage(Text);
}

#ifndef _WIN32
void DefaultSkinMessage(const String& Text) {
  String line = Text;
  for (char& c : line)
    if (c == '\r') c = '\n';
  std::fprintf(stderr, "%s\n", line.c_str());
}
#endif
