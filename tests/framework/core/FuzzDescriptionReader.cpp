// libFuzzer target: any text fed to the description reader either reads or raises a framework
// error, never crashes, and leaves no component behind when it fails.
#include <cstdint>
#include <cstdlib>

#include "framework/core/Description.h"
#include "tests/framework/core/TestClasses.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static const bool registered = (RegisterTestClasses(), true);
  (void)registered;
  const std::string_view text(reinterpret_cast<const char*>(Data), Size);
  TTestForm form(nullptr);
  try {
    ReadComponentFromText(text, &form);
    // What was read must write and read back the same way.
    const String written = WriteComponentToText(&form);
    TTestForm again(nullptr);
    ReadComponentFromText(written, &again);
    if (WriteComponentToText(&again) != written) std::abort();
  } catch (const EParserError&) {
    if (form.ComponentCount() != 0 || form.Button1 || form.Data1) std::abort();
  }
  return 0;
}
