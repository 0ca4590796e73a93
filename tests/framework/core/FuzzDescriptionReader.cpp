// libFuzzer target: any text fed to the description reader either reads or raises a framework
// error, never crashes, and leaves no component behind when it fails.
#include <cstdint>
#include <cstdlib>

#include "framework/core/Description.h"
#include "tests/framework/core/TestClasses.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static const bool Registered = (RegisterTestClasses(), true);
  (void)Registered;
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  TTestForm Form(nullptr);
  try {
    ReadComponentFromText(Text, &Form);
    // What was read must write and read back the same way.
    const String Written = WriteComponentToText(&Form);
    TTestForm Again(nullptr);
    ReadComponentFromText(Written, &Again);
    if (WriteComponentToText(&Again) != Written) std::abort();
  } catch (const EParserError&) {
    if (Form.ComponentCount() != 0 || Form.Button1 || Form.Data1) std::abort();
  }
  return 0;
}
