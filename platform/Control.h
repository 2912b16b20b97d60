#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/ControlSettings.h"
#include "platform/Runtime.h"

namespace dct::platform {

class ControlPeer;
class Runtime;

using Handler = std::function<void()>;

// A control of a form, whichever toolkit shows it.
class Control : private Unshown {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlIdentity& Identity() const { return identity_; }
  // What a screen reader says of the control, and what more it can tell.
  void SetAccessibleName(std::string_view text);
  void SetAccessibleDescription(std::string_view text);

  // A disabled control is shown so, takes no focus and raises no event for
  // what the user does to it; the program's own assignments raise theirs as
  // ever.
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }

  // The toolkit's side of the control, for the backend's own tests and tools.
  virtual ControlPeer& Peer() const = 0;

 protected:
  Control(Runtime& runtime, ControlIdentity identity, bool enabled = true);
  // Runs the handler of this control's event (if one is set) through the runtime.
  void Raise(std::string_view event, const Handler& handler) const;
  // Has ShowUnshown called at once outside a handler, and inside one once
  // the outermost handler has returned: a handler may assign a property
  // many times (a block entered value by value recomputes 64 colours and
  // hints for each), and the toolkit then draws only the last.
  void ShowAssigned();
  // Hands the toolkit what was assigned and not yet shown.
  virtual void ShowUnshown() {}

 private:
  void ShowNow() final;

  Runtime& runtime_;
  ControlIdentity identity_;
  std::string accessibleName_;
  std::string accessibleDescription_;
  bool enabled_;
  bool waitsToShow_ = false;
};

}  // namespace dct::platform
