#include "tests/support/Forms.h"

#include "framework/core/Description.h"
#include "tests/support/Pump.h"

namespace testsupport {

std::unique_ptr<TForm> ReadForm(std::string_view Text, bool Shown) {
  auto Form = std::make_unique<TForm>(nullptr);
  ReadComponentFromText(Text, Form.get());
  if (Shown) {
    Form->Show();
    Pump(0);
  }
  return Form;
}

}  // namespace testsupport
