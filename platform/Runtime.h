#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dct::platform {

// Names a handler by its control and event, as in HScroll2_Change or
// Text2_Change(5); made into text only when a failure is reported.
struct HandlerName {
  std::string_view control;
  std::string_view event;
  int index = -1;

  std::string Text() const;
};

// How an offer to save a file ended: written whole where the user chose
// (the desktop), handed to the browser to download (a page), given up by the
// user, or not written at all (a folder, a FIFO, a device or a file that
// cannot be written is left as it was).
enum class SaveOutcome { Saved, Downloaded, Cancelled, Failed };

// What the program hands the runtime: how to create its start-up window.
class StartupForm {
 public:
  virtual ~StartupForm() = default;
  // Raised once, after the window and its controls exist and before it is shown.
  virtual void Form_Load() = 0;
  virtual void Show() = 0;
};

struct ProgramDescription {
  std::function<std::unique_ptr<StartupForm>()> createStartupForm;
};

// The form runtime: one user-interface thread, events delivered synchronously
// and re-entrantly, failures reported and fatal.
class Runtime {
 public:
  // Creates the start-up form, raises Load, shows the window and delivers
  // events until the program ends. Returns the exit status.
  static int Start(int argc, char** argv, const ProgramDescription& program);

  // A new run of the program begins: for hosts (tests, benchmarks) that open
  // windows one after another.
  static void Begin();

  // Raises the form's Load and then shows it, unless Load ended the program.
  static void LoadAndShow(StartupForm& form);

  // Runs an event handler to completion. An exception leaving it is reported
  // as a failure, which ends the program. What the handlers assigned to the
  // controls' texts and colours is shown once the outermost one has
  // returned (and the AfterEachEvent actions have run).
  static void Raise(const HandlerName& name, const std::function<void()>& handler);

  // Ends the program at once: the windows close and no further event is raised.
  static void End();
  static bool HasEnded();

  // A failure the program cannot go on from: reported on standard error and
  // where the user sees it; then the program ends with status 1.
  static void ReportFailure(std::string_view what);

  // Runs `action` each time an outermost handler has returned, until its
  // owner is forgotten: for what follows the windows as a whole (the
  // lesson's figures). It must raise no handler itself.
  static void AfterEachEvent(const void* owner, std::function<void()> action);
  static void ForgetAfterEachEvent(const void* owner);
  // Runs `work` away from the user's events and then raises `done` (as the
  // event `name`), unless `owner` has been forgotten meanwhile: for what
  // takes long (a photograph decoded), so that the windows go on meanwhile
  // and show that it is under way. The desktop runs `work` on a thread of
  // its own, which must share nothing with the events until `done`; a page,
  // which has one thread, runs it once it has painted what the handlers
  // wrote. An exception leaving `work` is a failure of `done`.
  static void RunInBackground(const void* owner, const HandlerName& name,
                              std::function<void()> work, std::function<void()> done);
  static void ForgetBackground(const void* owner);
  // Puts the text on the clipboard, where the platform lets a program do so,
  // and raises `answer` (Clipboard_Answer), an event of its own, with whether
  // the clipboard took it, once the platform says: at once on the desktop,
  // later in a page, whose browser may first ask the user.
  static void CopyText(const std::string& text, std::function<void(bool copied)> answer);
  // Offers to save `bytes` as a file named `suggestedName` at first: the
  // desktop's save dialog, which writes the file whole or not at all (through
  // a link to its target, keeping a replaced file's mode, never replacing a
  // folder, a FIFO or a device), or a page's download. `answer` is raised as
  // an event of its own, with the outcome and the file's name as chosen.
  static void SaveFile(const std::string& suggestedName, std::vector<std::uint8_t> bytes,
                       std::function<void(SaveOutcome outcome, const std::string& name)> answer);
  // Nesting of handlers, for tests of the event cascade.
  static int HandlerDepth();
  static int DeepestHandlerNesting();
  static void ResetDeepestHandlerNesting();
};

}  // namespace dct::platform
