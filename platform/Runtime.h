#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dct::platform {

class Backend;
class FormPeer;
struct FormSettings;

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

// What the program hands the runtime to start: its start-up window.
class StartupForm {
 public:
  virtual ~StartupForm() = default;
  // Raised once, after the window and its controls exist and before it is shown.
  virtual void Form_Load() = 0;
  virtual void Show() = 0;
};

// What holds assignments that wait to be shown until the outermost handler
// has returned (a control).
class Unshown {
 public:
  virtual void ShowNow() = 0;

 protected:
  ~Unshown() = default;
};

// The form runtime of one program: one user-interface thread, events
// delivered synchronously and re-entrantly, failures reported and fatal. The
// program makes one over the backend it opened, and hands it to its forms;
// a test makes a fresh one for each program it runs.
//
// The runtime says when the program has settled: no handler is running and
// nothing that it started is pending, no work in the background, no timer,
// no answer of the clipboard or of a save. OnSettled is told each time; in a
// page the backend also shows it on the document (see the page backend).
// Tests wait for it rather than for the clock.
class Runtime {
 public:
  explicit Runtime(Backend& backend);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // Raises the form's Load, shows it unless Load ended the program, and
  // delivers events until the program ends. Returns the exit status.
  int Run(StartupForm& form);
  // Raises the form's Load and then shows it, unless Load ended the program,
  // for hosts that deliver the events themselves (tests, tools).
  void LoadAndShow(StartupForm& form);

  // A window's side in the toolkit, for platform::Form.
  std::unique_ptr<FormPeer> CreateFormPeer(const FormSettings& settings);

  // Runs an event handler to completion. An exception leaving it is reported
  // as a failure, which ends the program. What the handlers assigned to the
  // controls' texts and colours is shown once the outermost one has
  // returned (and the AfterEachEvent actions have run).
  void Raise(const HandlerName& name, const std::function<void()>& handler);
  // How many handlers are running, one inside another.
  int HandlerDepth() const { return depth_; }
  // Shows `unshown`'s assignments once the outermost handler has returned
  // (once, however often it is asked); forgotten when it goes.
  void ShowAfterHandlers(Unshown& unshown);
  void ForgetUnshown(const Unshown& unshown);

  // Ends the program at once: the windows close and no further event is
  // raised; nothing pending is raised either, and nothing more is started
  // (work in the background, a timer, a copy or a save).
  void End();
  bool HasEnded() const { return ended_; }

  // A failure the program cannot go on from: reported on standard error and
  // where the user sees it; then the program ends with status 1.
  void ReportFailure(std::string_view what);

  // Runs `action` each time an outermost handler has returned, until its
  // owner is forgotten: for what follows the windows as a whole (the
  // lesson's figures). It must raise no handler itself.
  void AfterEachEvent(const void* owner, std::function<void()> action);
  void ForgetAfterEachEvent(const void* owner);
  // Runs `work` away from the user's events and then raises `done` (as the
  // event `name`), unless `owner` has been forgotten meanwhile: for what
  // takes long (a photograph decoded), so that the windows go on meanwhile
  // and show that it is under way. The desktop runs `work` on a thread of
  // its own, which must share nothing with the events until `done`; a page,
  // which has one thread, runs it once it has painted what the handlers
  // wrote. An exception leaving `work` is a failure of `done`.
  void RunInBackground(const void* owner, const HandlerName& name, std::function<void()> work,
                       std::function<void()> done);
  // Raises `action` as the event `name` once `milliseconds` have passed,
  // unless `owner` has been forgotten meanwhile.
  void RunLater(const void* owner, const HandlerName& name, double milliseconds,
                std::function<void()> action);
  // Neither the work in the background nor the timers of `owner` raise
  // anything any more.
  void Forget(const void* owner);
  // Puts the text on the clipboard, where the platform lets a program do so,
  // and raises `answer` (Clipboard_Answer), an event of its own, with whether
  // the clipboard took it, once the platform says: at once on the desktop,
  // later in a page, whose browser may first ask the user.
  void CopyText(const std::string& text, std::function<void(bool copied)> answer);
  // Offers to save `bytes` as a file named `suggestedName` at first: the
  // desktop's save dialog, which writes the file whole or not at all (through
  // a link to its target, keeping a replaced file's mode, never replacing a
  // folder, a FIFO, a device or a looping link), or a page's download.
  // `answer` is raised as an event of its own (SaveFile_Answer), with the
  // outcome and the file's name as chosen.
  void SaveFile(const std::string& suggestedName, std::vector<std::uint8_t> bytes,
                std::function<void(SaveOutcome outcome, const std::string& name)> answer);

  // Whether the program has settled (see above).
  bool Settled() const { return depth_ == 0 && pending_.empty(); }
  void OnSettled(std::function<void()> listener) { onSettled_ = std::move(listener); }
  // Told of each handler as it begins, with how many run once it has: for
  // what traces the events (a benchmark's count, a test of the nesting).
  void OnHandler(std::function<void(const HandlerName& name, int depth)> listener) {
    onHandler_ = std::move(listener);
  }

 private:
  // Something the program waits for, by number: whose it is, what raises
  // its event, and what that event is called.
  struct Pending {
    const void* owner;
    std::string control;
    std::string event;
    std::function<void()> done;
  };

  void run(const HandlerName& name, const std::function<void()>& handler);
  long long expect(const void* owner, const HandlerName& name, std::function<void()> done);
  // The event that `number` waited for has come: raised, unless forgotten.
  void arrived(long long number);
  void showAssigned();
  void settleIfIdle();
  void markBusy();

  Backend& backend_;
  int depth_ = 0;
  bool ended_ = false;
  long long timesSettled_ = 0;
  bool shownSettled_ = false;
  long long lastPending_ = 0;
  std::map<long long, Pending> pending_;
  std::vector<std::pair<const void*, std::function<void()>>> afterEachEvent_;
  // In the order of their first assignment since they were last shown.
  std::vector<Unshown*> unshown_;
  std::function<void()> onSettled_;
  std::function<void(const HandlerName&, int)> onHandler_;
};

}  // namespace dct::platform
