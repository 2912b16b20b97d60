// The window as a page: the same program, then what only a page has, a link
// that opens it with a block, that follows every change of value and that the
// window follows in turn when it is changed from outside.
#include <emscripten/eventloop.h>
#include <emscripten/val.h>

#include <memory>
#include <string>

#include "BlockLink.h"
#include "Dom.h"
#include "Form1.h"
#include "Runtime.h"

namespace {

using dct::platform::Runtime;
using dct::ui::Form1;
using emscripten::val;

constexpr double kLinkDelayMs = 250;

constexpr const char* kUnreadableLink =
    "O endereço desta página traz coeficientes que não se podem ler; foram ignorados.";

std::string currentFragment() {
  const std::string hash = val::global("location")["hash"].as<std::string>();
  return hash.empty() ? hash : hash.substr(1);
}

// Shown as text, never as markup: the link is input from anybody.
void showNotice(const char* text) {
  val notice = val::global("document").call<val>("getElementById", std::string("link-notice"));
  if (!notice.isNull()) notice.set("textContent", std::string(text));
}

// The link's coefficients go in as a user would type each into its box;
// then F(0,0) is selected, as at start-up. Anything else in the address is
// ignored whole, and said so.
void openLink(Form1& form) {
  const auto coefficients = dct::web::ReadBlockLink(currentFragment());
  if (!coefficients) {
    showNotice(kUnreadableLink);
    return;
  }
  showNotice("");
  for (const auto& coefficient : *coefficients) {
    form.Widgets().Text2[static_cast<std::size_t>(coefficient.index)]->SetText(
        std::to_string(coefficient.value));
  }
  Runtime::Raise({"Text2", "Click", 0}, [&form] { form.Text2_Click(0); });
}

// history.replaceState changes the address without a reload or a new entry in
// the history, also for a page opened from disk; and raises no hashchange.
void rewriteFragment(const Form1& form) {
  const std::string link = dct::web::BlockLink(form.Model().Coef);
  if (link == currentFragment()) return;
  const val location = val::global("location");
  const std::string address =
      link.empty() ? location["pathname"].as<std::string>() + location["search"].as<std::string>()
                   : "#" + link;
  val::global("history").call<void>("replaceState", val::null(), std::string(), address);
}

// Keeps the address on the window's block, writing it once the user pauses:
// browsers ignore a page that rewrites its address too often (a thumb dragged
// across the bar), and a rewrite costs more than all the rest of an event.
// Once it has, a notice about the link the page was opened with is stale.
class AddressKeeper {
 public:
  explicit AddressKeeper(const Form1& form) : form_(form) {}

  void EventHandled() {
    Cancel();
    pending_ = emscripten_set_timeout(&AddressKeeper::write, kLinkDelayMs, this);
  }

  void Cancel() {
    if (pending_ != 0) emscripten_clear_timeout(pending_);
    pending_ = 0;
  }

 private:
  static void write(void* keeper) {
    auto* self = static_cast<AddressKeeper*>(keeper);
    self->pending_ = 0;
    rewriteFragment(self->form_);
    showNotice("");
  }

  const Form1& form_;
  long pending_ = 0;
};

// The address changed from outside (typed, a link, Back or Forward): the
// window opens it as at start-up, from a window reset through its handlers.
// The page's own rewriting raises no such change. The new address stays, for
// a reload to open once the program has ended.
void followAddress(Form1& form, AddressKeeper& keeper) {
  keeper.Cancel();
  if (Runtime::HasEnded()) return;
  Runtime::Raise({"Command1", "Click"}, [&form] { form.Command1_Click(); });
  openLink(form);
}

}  // namespace

int main(int argc, char** argv) {
  Form1* form = nullptr;
  const int status = Runtime::Start(argc, argv, {[&form] {
                                      auto created = std::make_unique<Form1>();
                                      form = created.get();
                                      return created;
                                    }});
  if (form == nullptr || Runtime::HasEnded()) return status;
  openLink(*form);
  // The page goes on after main returns, and the keeper with it.
  static AddressKeeper keeper(*form);
  dct::platform::web::AfterEachEvent([] { keeper.EventHandled(); });
  dct::platform::web::Observe(val::global("window"), "hashchange",
                              [form](const val&) { followAddress(*form, keeper); });
  return status;
}
