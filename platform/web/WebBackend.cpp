#include "platform/web/WebBackend.h"

#include <emscripten/val.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "platform/web/WebForm.h"

namespace dct::platform {
namespace web {
namespace {

constexpr const char* kEnded = "O programa terminou. Recarregue a página para o iniciar de novo.";

}  // namespace

std::unique_ptr<FormPeer> WebBackend::CreateForm(const FormSettings& settings) {
  return std::make_unique<WebForm>(*this, settings);
}

void WebBackend::Opened(WebForm& form) { forms_.push_back(&form); }

void WebBackend::Closed(WebForm& form) { std::erase(forms_, &form); }

// The clipboard takes text only from a secure page (a file or https) and
// after a user's action, and the browser may ask the user first; the answer
// comes when its promise settles. The copy's number goes through the promise
// beside it, so that each answer reaches the copy it is for.
void WebBackend::CopyText(const std::string& text, std::function<void(bool copied)> done) {
  const val clipboard = val::global("navigator")["clipboard"];
  if (clipboard.isUndefined() || clipboard["writeText"].isUndefined()) return done(false);
  if (copySettled_.isNull()) {
    copySettled_ = events_.Callback([this](const val& outcomes) {
      const auto found = copies_.find(outcomes[0]["value"].as<int>());
      if (found == copies_.end()) return;
      const std::function<void(bool)> answer = std::move(found->second);
      copies_.erase(found);
      answer(outcomes[1]["status"].as<std::string>() == "fulfilled");
    });
  }
  copies_.emplace(++lastCopy_, std::move(done));
  val both = val::array();
  both.call<void>("push", lastCopy_, clipboard.call<val>("writeText", Text(text)));
  val::global("Promise").call<val>("allSettled", both).call<void>("then", copySettled_);
}

// After the next frame, once the page has been painted: a timeout from
// within the frame's callback runs after the painting. A hidden page paints
// no frames, so there the timeout comes at once. One thread does it all, so
// the work ends before the next event begins. (A callback takes one
// argument, which the timeout is given.)
void WebBackend::RunInBackground(std::function<void()> work, std::function<void()> finished) {
  const val window = val::global("window");
  if (runNext_.isNull()) {
    runNext_ = events_.Callback([this](const val&) { runNext(); });
    afterPaint_ = events_.Callback([this](const val&) {
      val::global("window").call<void>("setTimeout", runNext_, 0, val::null());
    });
  }
  background_.emplace_back([work = std::move(work), finished = std::move(finished)] {
    work();
    finished();
  });
  if (window["document"]["hidden"].as<bool>()) {
    window.call<void>("setTimeout", runNext_, 0, val::null());
  } else {
    window.call<void>("requestAnimationFrame", afterPaint_);
  }
}

void WebBackend::runNext() {
  const std::function<void()> next = std::move(background_.front());
  background_.pop_front();
  next();
}

// A timer is no input of the user's: the page's own work does not follow it.
void WebBackend::RunLater(double milliseconds, std::function<void()> action) {
  if (timerDue_.isNull()) {
    timerDue_ = events_.Quiet([this](const val& number) {
      const auto found = timers_.find(number.as<int>());
      if (found == timers_.end()) return;
      const std::function<void()> due = std::move(found->second);
      timers_.erase(found);
      due();
    });
  }
  timers_.emplace(++lastTimer_, std::move(action));
  val::global("window").call<void>("setTimeout", timerDue_, milliseconds, lastTimer_);
}

// A page does not end itself: closing it would close the tab, or the whole
// browser window, with the block. It takes no more input and says so; the
// block stays in sight.
void WebBackend::End() { closeAll(kEnded, false); }

void WebBackend::Fail(const std::string& message) {
  closeAll("Erro fatal: " + message + ". " + kEnded, true);
}

// The program ends once: the main window says so, and only it (the first
// window, where there is none).
void WebBackend::closeAll(const std::string& notice, bool failure) {
  if (forms_.empty()) return;
  for (WebForm* form : forms_) form->Close();
  const auto main = std::find_if(forms_.begin(), forms_.end(),
                                 [](const WebForm* form) { return form->IsMain(); });
  (main != forms_.end() ? *main : forms_.front())->SayEnded(notice, failure);
}

void WebBackend::ShowSettled(long long times) {
  SetAttribute(Document()[Key("documentElement")], "data-settled", std::to_string(times));
}

void WebBackend::ShowBusy() {
  Document()[Key("documentElement")].call<void>("removeAttribute", Key("data-settled"));
}

}  // namespace web

// The page goes on after main returns: the browser delivers the events.
std::unique_ptr<Backend> OpenBackend(int&, char**) { return std::make_unique<web::WebBackend>(); }

}  // namespace dct::platform
