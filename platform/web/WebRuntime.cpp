#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/Backend.h"
#include "platform/Runtime.h"
#include "platform/web/Dom.h"
#include "platform/web/WebForm.h"

namespace dct::platform {

using web::val;

namespace {

constexpr const char* kEnded = "O programa terminou. Recarregue a página para o iniciar de novo.";

}  // namespace

// The page goes on after this returns: the browser delivers the events.
int backend::Run(int, char**, const ProgramDescription& program) {
  static std::unique_ptr<StartupForm> form;
  form = program.createStartupForm();
  Runtime::LoadAndShow(*form);
  return 0;
}

// The clipboard takes text only from a secure page (a file or https) and
// after a user's action, and the browser may ask the user first; the answer
// comes when its promise settles. The copy's number goes through the promise
// beside it, so that each answer reaches the copy it is for.
void backend::CopyText(const std::string& text, std::function<void(bool copied)> done) {
  const val clipboard = val::global("navigator")["clipboard"];
  if (clipboard.isUndefined() || clipboard["writeText"].isUndefined()) return done(false);
  static std::map<int, std::function<void(bool)>> waiting;
  static const val settled = web::Callback([](const val& outcomes) {
    const auto found = waiting.find(outcomes[0]["value"].as<int>());
    if (found == waiting.end()) return;
    const std::function<void(bool)> answer = std::move(found->second);
    waiting.erase(found);
    answer(outcomes[1]["status"].as<std::string>() == "fulfilled");
  });
  static int copies = 0;
  waiting.emplace(++copies, std::move(done));
  val both = val::array();
  both.call<void>("push", copies, clipboard.call<val>("writeText", web::Text(text)));
  val::global("Promise").call<val>("allSettled", both).call<void>("then", settled);
}

// After the next frame, once the page has been painted: a timeout from
// within the frame's callback runs after the painting. A hidden page paints
// no frames, so there the timeout comes at once. One thread does it all, so
// the work ends before the next event begins. (A callback takes one
// argument, which the timeout is given.)
void backend::RunInBackground(std::function<void()> work, std::function<void()> finished) {
  static std::deque<std::function<void()>> waiting;
  static const val run = web::Callback([](const val&) {
    const std::function<void()> next = std::move(waiting.front());
    waiting.pop_front();
    next();
  });
  static const val afterPaint = web::Callback(
      [](const val&) { val::global("window").call<void>("setTimeout", run, 0, val::null()); });
  waiting.emplace_back([work = std::move(work), finished = std::move(finished)] {
    work();
    finished();
  });
  const val window = val::global("window");
  if (window["document"]["hidden"].as<bool>()) {
    window.call<void>("setTimeout", run, 0, val::null());
  } else {
    window.call<void>("requestAnimationFrame", afterPaint);
  }
}

// A page does not end itself: closing it would close the tab, or the whole
// browser window, with the block. It takes no more input and says so; the
// block stays in sight.
void backend::End() { web::WebForm::CloseAll(kEnded, false); }

void backend::Fail(const std::string& message) {
  web::WebForm::CloseAll("Erro fatal: " + message + ". " + kEnded, true);
}

}  // namespace dct::platform
