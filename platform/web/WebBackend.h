#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/web/Events.h"

// The page backend: the forms as elements of one HTML page, over the DOM
// through embind's emscripten::val.
//
// What it does:
// - each form as a framed box in its place on the page (an element of the
//   form's id), its controls absolutely placed at the layout's places; on a
//   narrow screen the layout for fingers, where the form has one, and
//   narrower still the whole form drawn smaller; the text boxes as <input>,
//   the scroll bars, pictures and hints drawn by the page itself;
// - the keys, the mouse, a pen and a finger (a tap; a swipe scrolls the
//   page); a file chosen in the browser's chooser or dropped on a picture;
// - work "in the background" once the page has painted what the handlers
//   wrote (one thread does all), a timer, the clipboard (answered when the
//   browser says, which may ask the user first), a save as a download;
// - accessible names, descriptions, labels tied to their controls,
//   announcements to screen readers (live regions), sliders for the bars;
// - the settled state on the page's root element: `data-settled` holds how
//   many times the program has settled, and is there only while it is
//   settled (tests wait for it);
// - "Sair" and a failure: every control disabled and a line under the main
//   window, as closing a page would close the browser's tab with it.
//
// What it does not do:
// - end the process or close the page;
// - save to a place of the user's choosing, or say where a download went;
// - read a file by its path: only what the user chose or dropped.
namespace dct::platform::web {

class WebForm;

class WebBackend : public Backend {
 public:
  WebBackend() = default;
  WebBackend(const WebBackend&) = delete;
  WebBackend& operator=(const WebBackend&) = delete;

  std::unique_ptr<FormPeer> CreateForm(const FormSettings& settings) override;
  void CopyText(const std::string& text, std::function<void(bool copied)> done) override;
  void SaveFile(const std::string& suggestedName, std::vector<std::uint8_t> bytes,
                std::function<void(SaveOutcome outcome, const std::string& name)> done) override;
  void RunInBackground(std::function<void()> work, std::function<void()> finished) override;
  void RunLater(double milliseconds, std::function<void()> action) override;
  int DeliverEvents() override { return 0; }
  void End() override;
  void Fail(const std::string& message) override;
  void ShowSettled(long long times) override;
  void ShowBusy() override;

  Events& PageEvents() { return events_; }
  // The forms on the page, for them to say that they are there and gone.
  void Opened(WebForm& form);
  void Closed(WebForm& form);

 private:
  // Every window of the page takes no more input; the main one says why.
  void closeAll(const std::string& notice, bool failure);
  void runNext();

  Events events_;
  std::vector<WebForm*> forms_;
  // The clipboard's answers that the browser still owes, by copy.
  std::map<int, std::function<void(bool)>> copies_;
  int lastCopy_ = 0;
  val copySettled_ = val::null();
  // Work to run once the page has painted, in order.
  std::deque<std::function<void()>> background_;
  val runNext_ = val::null();
  val afterPaint_ = val::null();
  // Actions after a time, by number.
  std::map<int, std::function<void()>> timers_;
  int lastTimer_ = 0;
  val timerDue_ = val::null();
};

}  // namespace dct::platform::web
