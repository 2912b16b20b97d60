#pragma once

#include <string>

#include "platform/web/Dom.h"
#include "platform/web/Events.h"

namespace dct::platform::web {

// A box that has a hint: its text and where the hint appears.
class HintOwner {
 public:
  virtual std::string HintText() const = 0;
  virtual const val& HintAnchor() const = 0;

 protected:
  ~HintOwner() = default;
};

// The hover hint of the window's text boxes, drawn by the page so that it can
// also open on a tap and show a new text at once while it is open. One serves
// every box, as only one hint is open at a time.
class WebHint {
 public:
  WebHint(const val& client, Events& events);
  WebHint(const WebHint&) = delete;
  WebHint& operator=(const WebHint&) = delete;

  // Opens the owner's hint after the usual hover delay.
  void OpenSoon(const HintOwner& owner);
  void OpenNow(const HintOwner& owner);
  // Closes the owner's hint, open or pending.
  void Close(const HintOwner& owner);
  // The owner's text has changed: an open hint shows the new one at once.
  void Refresh(const HintOwner& owner);

 private:
  static void openPending(void* hint);
  void cancelPending();

  val element_;
  const HintOwner* open_ = nullptr;
  const HintOwner* pending_ = nullptr;
  long timer_ = 0;
};

}  // namespace dct::platform::web
