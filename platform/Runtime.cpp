#include "platform/Runtime.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Backend.h"
#include "platform/Control.h"

namespace dct::platform {
namespace {

int depth = 0;
int deepest = 0;
bool ended = false;
std::vector<std::pair<const void*, std::function<void()>>> afterEachEvent;

// Work under way in the background, by number: whose it is and what then.
struct Pending {
  const void* owner;
  std::string control;
  std::string event;
  std::function<void()> done;
};
std::map<long long, Pending> pending;
long long lastStarted = 0;

// Thrown through the handlers that are still running when a failure has
// ended a program that cannot exit at once (a page): none of them goes on.
struct ProgramEnded {};

class Nesting {
 public:
  Nesting() { deepest = std::max(deepest, ++depth); }
  ~Nesting() { --depth; }
  Nesting(const Nesting&) = delete;
  Nesting& operator=(const Nesting&) = delete;
};

}  // namespace

std::string HandlerName::Text() const {
  std::string text(control);
  text.append("_").append(event);
  if (index >= 0) text.append("(").append(std::to_string(index)).append(")");
  return text;
}

int Runtime::Start(int argc, char** argv, const ProgramDescription& program) {
  Begin();
  return backend::Run(argc, argv, program);
}

void Runtime::Begin() { ended = false; }

void Runtime::LoadAndShow(StartupForm& form) {
  Raise({"Form", "Load"}, [&form] { form.Form_Load(); });
  if (!ended) form.Show();
}

void Runtime::Raise(const HandlerName& name, const std::function<void()>& handler) {
  if (ended) return;
  const Nesting nesting;
  try {
    handler();
    if (depth == 1 && !ended) {
      for (const auto& [owner, action] : afterEachEvent) action();
      Control::ShowAllAssigned();
    }
    return;
  } catch (const ProgramEnded&) {
    if (depth > 1) throw;
    return;
  } catch (const std::exception& error) {
    ReportFailure(name.Text() + ": " + error.what());
  } catch (...) {
    ReportFailure(name.Text() + ": unknown error");
  }
  if (depth > 1) throw ProgramEnded{};
}

void Runtime::End() {
  ended = true;
  backend::End();
}

bool Runtime::HasEnded() { return ended; }

void Runtime::ReportFailure(std::string_view what) {
  const std::string message = "transformada-dct: fatal error in " + std::string(what);
  std::fputs((message + "\n").c_str(), stderr);
  std::fflush(stderr);
  ended = true;
  // The windows show what the handlers assigned up to the failure.
  Control::ShowAllAssigned();
  backend::Fail(message);
}

void Runtime::AfterEachEvent(const void* owner, std::function<void()> action) {
  afterEachEvent.emplace_back(owner, std::move(action));
}

void Runtime::ForgetAfterEachEvent(const void* owner) {
  std::erase_if(afterEachEvent, [owner](const auto& entry) { return entry.first == owner; });
}

void Runtime::RunInBackground(const void* owner, const HandlerName& name,
                              std::function<void()> work, std::function<void()> done) {
  const long long number = ++lastStarted;
  pending.emplace(
      number, Pending{owner, std::string(name.control), std::string(name.event), std::move(done)});
  // Written by `work`'s thread, read once it is done.
  auto failure = std::make_shared<std::exception_ptr>();
  backend::RunInBackground(
      [work = std::move(work), failure] {
        try {
          work();
        } catch (...) {
          *failure = std::current_exception();
        }
      },
      [number, failure] {
        const auto found = pending.find(number);
        if (found == pending.end()) return;
        const Pending finished = std::move(found->second);
        pending.erase(found);
        Raise({finished.control, finished.event}, [&finished, &failure] {
          if (*failure) std::rethrow_exception(*failure);
          finished.done();
        });
      });
}

void Runtime::ForgetBackground(const void* owner) {
  std::erase_if(pending, [owner](const auto& entry) { return entry.second.owner == owner; });
}

void Runtime::CopyText(const std::string& text, std::function<void(bool copied)> answer) {
  backend::CopyText(text, [answer = std::move(answer)](bool copied) {
    if (answer) Raise({"Clipboard", "Answer"}, [&answer, copied] { answer(copied); });
  });
}

void Runtime::SaveFile(const std::string& suggestedName, std::vector<std::uint8_t> bytes,
                       std::function<void(SaveOutcome, const std::string&)> answer) {
  backend::SaveFile(suggestedName, std::move(bytes),
                    [answer = std::move(answer)](SaveOutcome outcome, const std::string& name) {
                      if (answer) {
                        Raise({"SaveFile", "Answer"}, [&] { answer(outcome, name); });
                      }
                    });
}

int Runtime::HandlerDepth() { return depth; }
int Runtime::DeepestHandlerNesting() { return deepest; }
void Runtime::ResetDeepestHandlerNesting() { deepest = depth; }

}  // namespace dct::platform
