// A page of its own for the browser tests (tests/web/failure.test.mjs): a
// small form whose handlers fail, shown by the same web backend as the
// program's window.
#include <memory>
#include <stdexcept>
#include <string>

#include "Form.h"
#include "Runtime.h"

namespace {

using dct::platform::CommandButton;
using dct::platform::Form;
using dct::platform::Runtime;
using dct::platform::ScrollBar;
using dct::platform::StartupForm;
using dct::platform::TextBox;

class FailingForm : public StartupForm {
 public:
  FailingForm() : form_({"Falha", 6000, 2400, {}, 0, 0}) {
    CommandButton& fail =
        form_.AddCommandButton({{"Command1", -1, {120, 120, 1500, 372}, 0, {}}, "Falhar"});
    a_ = &form_.AddTextBox({{"A", -1, {120, 720, 1500, 372}, 1, {}}, ""});
    b_ = &form_.AddTextBox({{"B", 2, {1800, 720, 1500, 372}, 2, {}}, ""});
    bar_ =
        &form_.AddScrollBar({{"S", -1, {120, 1320, 4212, 252}, 3, {}}, {-100, 100, 1, 10}, 0, {}});
    form_.ApplyTabOrder();

    fail.OnClick([] { throw std::runtime_error("boom"); });
    // A's Change sets B's text, whose Change fails: A's handler must not go on.
    a_->OnChange([this] {
      b_->SetText(a_->Text());
      a_->SetText("A went on");
    });
    b_->OnChange([this] { throw std::invalid_argument("B refused " + b_->Text()); });
    bar_->OnChange([this] { b_->SetText(std::to_string(bar_->Value())); });
  }

  void Form_Load() override {}
  void Show() override { form_.Show(); }

 private:
  Form form_;
  TextBox* a_ = nullptr;
  TextBox* b_ = nullptr;
  ScrollBar* bar_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  return Runtime::Start(argc, argv, {[] { return std::make_unique<FailingForm>(); }});
}
