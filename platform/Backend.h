#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ControlSettings.h"
#include "platform/Peers.h"
#include "platform/Runtime.h"

namespace dct::platform {

// What a toolkit provides to the shared runtime: its windows, its events and
// the few services the program asks of the system. CMake builds exactly one
// backend; each opens with a list of what it does and does not do
// (platform/qt/QtBackend.h, platform/web/WebBackend.h).
class Backend {
 public:
  virtual ~Backend() = default;

  virtual std::unique_ptr<FormPeer> CreateForm(const FormSettings& settings) = 0;
  // Puts the text on the clipboard, where the platform lets a program do so,
  // and calls `done` with whether the clipboard took it once that is known.
  virtual void CopyText(const std::string& text, std::function<void(bool copied)> done) = 0;
  // Offers to save the bytes as a file, as Runtime::SaveFile says, and calls
  // `done` with the outcome and the name chosen once they are known.
  virtual void SaveFile(const std::string& suggestedName, std::vector<std::uint8_t> bytes,
                        std::function<void(SaveOutcome outcome, const std::string& name)> done) = 0;
  // Runs `work` away from the events (the desktop: on another thread; a
  // page: once the page has been painted) and then `finished` on the events'
  // own thread, as an event of its own.
  virtual void RunInBackground(std::function<void()> work, std::function<void()> finished) = 0;
  // Calls `action` on the events' thread once `milliseconds` have passed.
  virtual void RunLater(double milliseconds, std::function<void()> action) = 0;
  // Delivers events until the program ends, and returns the exit status; a
  // page's browser delivers them after this has returned.
  virtual int DeliverEvents() = 0;
  // Ends the program at once: no further event. The desktop's windows close;
  // a page's stay in sight, taking no more input, as closing one would close
  // the browser's tab or window with it.
  virtual void End() = 0;
  // After a failure has been printed on standard error: shows it where a user
  // sees it and ends the program with status 1. The desktop exits here; a page
  // cannot, so it returns with every control disabled.
  virtual void Fail(const std::string& message) = 0;
  // The program has settled for the `times`-th time (Runtime::Settled), or
  // is busy again, for what watches it from outside the program.
  virtual void ShowSettled(long long times) = 0;
  virtual void ShowBusy() = 0;
};

// The backend that this build has, for the program: on the desktop it opens
// the toolkit's application with the command line (which it may take
// arguments from), or says in one line that no display can be opened and
// exits with status 1.
std::unique_ptr<Backend> OpenBackend(int& argc, char** argv);

}  // namespace dct::platform
