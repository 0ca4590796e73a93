// Batched changes: BeginUpdate, the work, EndUpdate, for anything with that pair of methods (string
// lists, collections, tree nodes).
#pragma once

#include <utility>

// Runs Work between Target.BeginUpdate() and Target.EndUpdate(). The update is closed on every path:
// when Work throws, EndUpdate runs and the exception goes on. An EndUpdate that throws itself (a
// change handler) is not swallowed, which is why this is a function and not a guard's destructor.
template <class T, class F>
void WithinUpdate(T& Target, F&& Work) {
  Target.BeginUpdate();
  try {
    std::forward<F>(Work)();
  } catch (...) {
    Target.EndUpdate();
    throw;
  }
  Target.EndUpdate();
}
