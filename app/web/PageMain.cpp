// The window and the lesson as a page: the same program, then what only a
// page has, an address that follows every change of the block (or holds the
// challenge being played) and that the program follows in turn when it is
// changed from outside.
#include <emscripten/val.h>

#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/Program.h"
#include "app/web/ChallengeStrip.h"
#include "model/link/PageLink.h"
#include "platform/Runtime.h"
#include "platform/web/Dom.h"
#include "platform/web/WebBackend.h"

namespace {

using dct::platform::Runtime;
using dct::ui::Program;
using emscripten::val;

constexpr double kLinkDelayMs = 250;

std::string locationPart(const char* part) {
  return val::global("location")[part].as<std::string>();
}

// Shown as text, never as markup: the link is input from anybody.
void showNotice(std::string_view text) {
  val notice = val::global("document").call<val>("getElementById", std::string("link-notice"));
  if (!notice.isNull()) notice.set("textContent", std::string(text));
}

// "?seed=N" makes the lesson's challenges repeatable (for tests and for a
// class that should all get the same ones); otherwise they differ each time.
std::uint32_t seedOfPage() {
  const std::string search = locationPart("search");
  const std::string_view key = "?seed=";
  std::uint32_t seed = 0;
  if (search.starts_with(key)) {
    const char* end = search.data() + search.size();
    if (std::from_chars(search.data() + key.size(), end, seed).ptr == end) return seed;
  }
  return static_cast<std::uint32_t>(val::global("Math").call<double>("random") * 4294967296.0);
}

// What the address holds: the challenge being played, or else the block.
std::string fragmentFor(Program& program) {
  const auto& target = program.LessonForm()->Target();
  if (target) return dct::PageFragment({dct::LinkKind::Challenge, *target});
  return dct::PageFragment({dct::LinkKind::Block, program.MainWindow().Model().Coef});
}

// history.replaceState changes the address without a reload or a new entry in
// the history, also for a page opened from disk; and raises no hashchange.
void rewriteFragment(Program& program) {
  const std::string link = fragmentFor(program);
  const std::string hash = locationPart("hash");
  if (link == (hash.empty() ? hash : hash.substr(1))) return;
  const std::string address =
      link.empty() ? locationPart("pathname") + locationPart("search") : "#" + link;
  val::global("history").call<void>("replaceState", val::null(), std::string(), address);
}

// Keeps the address on the program's state, writing it once the user pauses:
// browsers ignore a page that rewrites its address too often (a thumb dragged
// across the bar), and a rewrite costs more than all the rest of an event.
// Once it has, a notice about the link the page was opened with is stale.
class AddressKeeper {
 public:
  AddressKeeper(Runtime& runtime, Program& program) : runtime_(runtime), program_(program) {}
  ~AddressKeeper() { Cancel(); }
  AddressKeeper(const AddressKeeper&) = delete;
  AddressKeeper& operator=(const AddressKeeper&) = delete;

  void EventHandled() {
    Cancel();
    runtime_.RunLater(this, {"Address", "Write"}, kLinkDelayMs, [this] {
      rewriteFragment(program_);
      showNotice("");
    });
  }

  void Cancel() { runtime_.Forget(this); }

 private:
  Runtime& runtime_;
  Program& program_;
};

dct::ui::ProgramOptions pageOptions() {
  const std::string href = locationPart("href");
  return {.lesson = true,
          .link = locationPart("hash"),
          .seed = seedOfPage(),
          .linkBase = href.substr(0, href.find('#')),
          .showNotice = showNotice};
}

// Everything the page holds, for as long as its tab is open; then, what
// only a page has, an address that follows every change of the block (or
// holds the challenge being played) and that the program follows in turn
// when it is changed from outside (typed, a link, Back or Forward). The
// page's own rewriting raises no such change. The new address stays, for a
// reload to open once the program has ended.
class Page {
 public:
  Page() : program_(runtime_, pageOptions()) {}
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;

  void Start() {
    runtime_.LoadAndShow(program_);
    if (runtime_.HasEnded()) return;
    keeper_.emplace(runtime_, program_);
    strip_.emplace(runtime_, program_);
    dct::platform::web::Events& events = backend_.PageEvents();
    events.AfterEachUserInput([this] { keeper_->EventHandled(); });
    events.Observe(val::global("window"), "hashchange", [this](const val&) { followAddress(); });
  }

 private:
  // The program opens it as at start-up, from a window reset through its
  // handlers.
  void followAddress() {
    keeper_->Cancel();
    if (runtime_.HasEnded()) return;
    program_.MainWindow().PressReset();
    program_.OpenLink(locationPart("hash"));
  }

  dct::platform::web::WebBackend backend_;
  Runtime runtime_{backend_};
  Program program_;
  std::optional<AddressKeeper> keeper_;
  std::optional<ChallengeStrip> strip_;
};

}  // namespace

// The page outlives main: the browser delivers its events afterwards, for
// as long as the tab is open, so it is never destroyed.
int main() {
  auto page = std::make_unique<Page>();
  page->Start();
  static_cast<void>(page.release());
  return 0;
}
