#include "platform/Runtime.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Backend.h"
#include "platform/Peers.h"

namespace dct::platform {
namespace {

// Thrown through the handlers that are still running when a failure has
// ended a program that cannot exit at once (a page): none of them goes on.
struct ProgramEnded {};

class Nesting {
 public:
  explicit Nesting(int& depth) : depth_(++depth) {}
  ~Nesting() { --depth_; }
  Nesting(const Nesting&) = delete;
  Nesting& operator=(const Nesting&) = delete;

 private:
  int& depth_;
};

}  // namespace

std::string HandlerName::Text() const {
  std::string text(control);
  text.append("_").append(event);
  if (index >= 0) text.append("(").append(std::to_string(index)).append(")");
  return text;
}

Runtime::Runtime(Backend& backend) : backend_(backend) {}

Runtime::~Runtime() = default;

int Runtime::Run(StartupForm& form) {
  LoadAndShow(form);
  if (ended_) return 0;
  return backend_.DeliverEvents();
}

void Runtime::LoadAndShow(StartupForm& form) {
  Raise({"Form", "Load"}, [&form] { form.Form_Load(); });
  if (!ended_) form.Show();
}

std::unique_ptr<FormPeer> Runtime::CreateFormPeer(const FormSettings& settings) {
  return backend_.CreateForm(settings);
}

void Runtime::Raise(const HandlerName& name, const std::function<void()>& handler) {
  if (ended_) return;
  const bool outermost = depth_ == 0;
  if (outermost) markBusy();
  run(name, handler);
  if (outermost) settleIfIdle();
}

void Runtime::run(const HandlerName& name, const std::function<void()>& handler) {
  const Nesting nesting(depth_);
  if (onHandler_) onHandler_(name, depth_);
  try {
    handler();
    if (depth_ == 1 && !ended_) {
      for (const auto& [owner, action] : afterEachEvent_) action();
      showAssigned();
    }
    return;
  } catch (const ProgramEnded&) {
    if (depth_ > 1) throw;
    return;
  } catch (const std::exception& error) {
    ReportFailure(name.Text() + ": " + error.what());
  } catch (...) {
    ReportFailure(name.Text() + ": unknown error");
  }
  if (depth_ > 1) throw ProgramEnded{};
}

void Runtime::ShowAfterHandlers(Unshown& unshown) { unshown_.push_back(&unshown); }

void Runtime::ForgetUnshown(const Unshown& unshown) { std::erase(unshown_, &unshown); }

// Showing raises nothing, so nothing joins the list meanwhile.
void Runtime::showAssigned() {
  for (Unshown* unshown : std::exchange(unshown_, {})) unshown->ShowNow();
}

// Nothing that was pending will be raised any more.
void Runtime::End() {
  ended_ = true;
  pending_.clear();
  backend_.End();
  settleIfIdle();
}

void Runtime::ReportFailure(std::string_view what) {
  const std::string message = "transformada-dct: fatal error in " + std::string(what);
  std::fputs((message + "\n").c_str(), stderr);
  std::fflush(stderr);
  ended_ = true;
  pending_.clear();
  // The windows show what the handlers assigned up to the failure.
  showAssigned();
  backend_.Fail(message);
}

void Runtime::AfterEachEvent(const void* owner, std::function<void()> action) {
  afterEachEvent_.emplace_back(owner, std::move(action));
}

void Runtime::ForgetAfterEachEvent(const void* owner) {
  std::erase_if(afterEachEvent_, [owner](const auto& entry) { return entry.first == owner; });
}

long long Runtime::expect(const void* owner, const HandlerName& name, std::function<void()> done) {
  markBusy();
  const long long number = ++lastPending_;
  pending_.emplace(
      number, Pending{owner, std::string(name.control), std::string(name.event), std::move(done)});
  return number;
}

void Runtime::arrived(long long number) {
  const auto found = pending_.find(number);
  if (found == pending_.end()) return;
  const Pending arrived = std::move(found->second);
  pending_.erase(found);
  Raise({arrived.control, arrived.event}, arrived.done);
}

// Once the program has ended nothing more is raised, so nothing is started.
void Runtime::RunInBackground(const void* owner, const HandlerName& name,
                              std::function<void()> work, std::function<void()> done) {
  if (ended_) return;
  // Written by `work`'s thread, read once it is done.
  auto failure = std::make_shared<std::exception_ptr>();
  const long long number = expect(owner, name, [failure, done = std::move(done)] {
    if (*failure) std::rethrow_exception(*failure);
    done();
  });
  backend_.RunInBackground(
      [work = std::move(work), failure] {
        try {
          work();
        } catch (...) {
          *failure = std::current_exception();
        }
      },
      [this, number] { arrived(number); });
}

void Runtime::RunLater(const void* owner, const HandlerName& name, double milliseconds,
                       std::function<void()> action) {
  if (ended_) return;
  const long long number = expect(owner, name, std::move(action));
  backend_.RunLater(milliseconds, [this, number] { arrived(number); });
}

void Runtime::Forget(const void* owner) {
  if (std::erase_if(pending_, [owner](const auto& entry) { return entry.second.owner == owner; }) >
      0) {
    settleIfIdle();
  }
}

void Runtime::CopyText(const std::string& text, std::function<void(bool copied)> answer) {
  if (ended_) return;
  auto copied = std::make_shared<bool>(false);
  const long long number =
      expect(nullptr, {"Clipboard", "Answer"}, [copied, answer = std::move(answer)] {
        if (answer) answer(*copied);
      });
  backend_.CopyText(text, [this, number, copied](bool done) {
    *copied = done;
    arrived(number);
  });
}

void Runtime::SaveFile(const std::string& suggestedName, std::vector<std::uint8_t> bytes,
                       std::function<void(SaveOutcome, const std::string&)> answer) {
  if (ended_) return;
  auto outcome = std::make_shared<std::pair<SaveOutcome, std::string>>();
  const long long number =
      expect(nullptr, {"SaveFile", "Answer"}, [outcome, answer = std::move(answer)] {
        if (answer) answer(outcome->first, outcome->second);
      });
  backend_.SaveFile(suggestedName, std::move(bytes),
                    [this, number, outcome](SaveOutcome saved, const std::string& name) {
                      *outcome = {saved, name};
                      arrived(number);
                    });
}

void Runtime::settleIfIdle() {
  if (!Settled()) return;
  ++timesSettled_;
  shownSettled_ = true;
  backend_.ShowSettled(timesSettled_);
  if (onSettled_) onSettled_();
}

void Runtime::markBusy() {
  if (!shownSettled_) return;
  shownSettled_ = false;
  backend_.ShowBusy();
}

}  // namespace dct::platform
