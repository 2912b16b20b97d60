// The window and the lesson as a page: the same program, then what only a
// page has, an address that follows every change of the block (or holds the
// challenge being played) and that the program follows in turn when it is
// changed from outside.
#include <emscripten/eventloop.h>
#include <emscripten/val.h>

#include <charconv>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "app/Program.h"
#include "app/web/ChallengeStrip.h"
#include "model/link/PageLink.h"
#include "platform/Runtime.h"
#include "platform/web/Dom.h"

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
  return dct::PageFragment({dct::LinkKind::Block, program.Window().Model().Coef});
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
  explicit AddressKeeper(Program& program) : program_(program) {}

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
    rewriteFragment(self->program_);
    showNotice("");
  }

  Program& program_;
  long pending_ = 0;
};

// The address changed from outside (typed, a link, Back or Forward): the
// program opens it as at start-up, from a window reset through its handlers.
// The page's own rewriting raises no such change. The new address stays, for
// a reload to open once the program has ended.
void followAddress(Program& program, AddressKeeper& keeper) {
  keeper.Cancel();
  if (Runtime::HasEnded()) return;
  program.Window().PressReset();
  program.OpenLink(locationPart("hash"));
}

}  // namespace

int main(int argc, char** argv) {
  Program* program = nullptr;
  const std::string href = locationPart("href");
  dct::ui::ProgramOptions options{.lesson = true,
                                  .link = locationPart("hash"),
                                  .seed = seedOfPage(),
                                  .linkBase = href.substr(0, href.find('#')),
                                  .showNotice = showNotice};
  const int status = Runtime::Start(argc, argv, {[&program, &options] {
                                      auto created = std::make_unique<Program>(options);
                                      program = created.get();
                                      return created;
                                    }});
  if (program == nullptr || Runtime::HasEnded()) return status;
  // The page goes on after main returns, and the keeper and the strip with it.
  static AddressKeeper keeper(*program);
  static ChallengeStrip strip(*program);
  dct::platform::web::AfterEachUserInput([] { keeper.EventHandled(); });
  dct::platform::web::Observe(val::global("window"), "hashchange",
                              [program](const val&) { followAddress(*program, keeper); });
  return status;
}
