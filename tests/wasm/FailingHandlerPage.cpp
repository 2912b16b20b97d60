// A page of its own for the browser tests (tests/web/failure.test.mjs): a
// small form whose handlers fail, and beside it one that uses what the
// program's window does not, each event it raises written into a label; both
// shown by the same web backend as the program's forms.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/web/WebBackend.h"

namespace {

using dct::platform::CommandButton;
using dct::platform::Form;
using dct::platform::Label;
using dct::platform::PictureBox;
using dct::platform::Runtime;
using dct::platform::ScrollBar;
using dct::platform::StartupForm;
using dct::platform::TextBox;

// A button disables and enables the box, the bar and the picture; each
// press also assigns the bar a value, which raises Change even while the bar
// is disabled. Another copies a text to the clipboard. The box has a label
// tied to it; the picture names the pixel last pressed, and announces it.
class ControlsForm {
 public:
  explicit ControlsForm(Runtime& runtime)
      : runtime_(runtime),
        form_(runtime, {.title = "Controles",
                        .clientWidth = 6000,
                        .clientHeight = 2400,
                        .pageElement = "lesson",
                        .secondary = true}) {
    CommandButton& toggle =
        form_.AddCommandButton({{"cmdToggle", -1, {120, 120, 1500, 372}, 0, {}}, "Alternar"});
    text_ = &form_.AddTextBox({{"txtT", -1, {120, 720, 1500, 372}, 1, {}}, ""});
    bar_ = &form_.AddScrollBar({{"hsbV", -1, {120, 1320, 4212, 252}, 2, {}}, {0, 10, 1, 5}, 0, {}});
    picture_ = &form_.AddPictureBox({{"picP", -1, {4560, 120, 1200, 1200}, 3, {}}, true, true});
    picture_->SetAccessibleName("Imagem P");
    log_ = &form_.AddLabel({{"lblLog", -1, {120, 1800, 5700, 480}, 4, {}}, ""});
    CommandButton& copy =
        form_.AddCommandButton({{"cmdCopy", -1, {1800, 120, 1500, 372}, 5, {}}, "Copiar"});
    const Label& caption = form_.AddLabel({{"lblT", -1, {1800, 720, 1500, 252}, 6, {}}, "Texto"});
    text_->SetAccessibleName("Caixa T");
    form_.TieLabel(caption, *text_);
    form_.ApplyTabOrder();
    picture_->SetPicture({8, 8, std::vector<std::uint8_t>(64, 128)});

    toggle.OnClick([this] {
      for (dct::platform::Control* control :
           std::initializer_list<dct::platform::Control*>{text_, bar_, picture_}) {
        control->SetEnabled(!control->Enabled());
      }
      bar_->SetValue((bar_->Value() + 1) % 11);
    });
    copy.OnClick([this] {
      log("cmdCopy_Click");
      runtime_.CopyText("cópia", [this](bool copied) {
        log(std::string("Clipboard_Answer ") + (copied ? "true" : "false"));
      });
    });
    text_->OnChange([this] { log("txtT_Change"); });
    text_->OnKeyPress([this](int keyAscii) { log("txtT_KeyPress " + std::to_string(keyAscii)); });
    bar_->OnChange([this] { log("hsbV_Change " + std::to_string(bar_->Value())); });
    picture_->OnMouseDown([this](int x, int y) {
      const std::string pixel = std::to_string(x) + "," + std::to_string(y);
      log("picP_MouseDown " + pixel);
      picture_->SetAccessibleName("Imagem P em " + pixel);
      picture_->SetAccessibleDescription("Pixel " + pixel);
    });
    picture_->OnMouseMove([this](int x, int y) {
      log("picP_MouseMove " + std::to_string(x) + "," + std::to_string(y));
    });
  }

  void Show() { form_.Show(); }

 private:
  void log(const std::string& entry) {
    entries_ += entries_.empty() ? entry : "; " + entry;
    log_->SetCaption(entries_);
  }

  Runtime& runtime_;
  Form form_;
  TextBox* text_ = nullptr;
  ScrollBar* bar_ = nullptr;
  PictureBox* picture_ = nullptr;
  Label* log_ = nullptr;
  std::string entries_;
};

class FailingForm : public StartupForm {
 public:
  explicit FailingForm(Runtime& runtime)
      : form_(runtime, {"Falha", 6000, 2400, {}, 0, 0}), controls_(runtime) {
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
  void Show() override {
    form_.Show();
    controls_.Show();
  }

 private:
  Form form_;
  TextBox* a_ = nullptr;
  TextBox* b_ = nullptr;
  ScrollBar* bar_ = nullptr;
  ControlsForm controls_;
};

}  // namespace

// The page outlives main: the browser delivers its events afterwards.
struct Page {
  dct::platform::web::WebBackend backend;
  Runtime runtime{backend};
  FailingForm form{runtime};
};

int main() {
  auto page = std::make_unique<Page>();
  page->runtime.LoadAndShow(page->form);
  static_cast<void>(page.release());
  return 0;
}
