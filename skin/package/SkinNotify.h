#pragma once
// Where the archive reader sends the one message it ever shows (an archive of an unknown
// version). Windows builds show a modal message box; portable builds write to stderr. Tests and
// command-line tools install their own.

#include <functional>

#include "framework/core/Types.h"

using TSkinMessageNotifier = std::function<void(const String& Text)>;

// Installs Notifier (an empty one restores the default) and returns the previous one.
TSkinMessageNotifier SetSkinMessageNotifier(TSkinMessageNotifier Notifier);
void ShowSkinMessage(const String& Text);

// The platform's default: a modal message box on Windows, a line on stderr elsewhere.
void DefaultSkinMessage(const String& Text);
