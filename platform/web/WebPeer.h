#pragma once

#include "platform/web/Dom.h"

namespace dct::platform::web {

// What every control of this backend is shown by: one element, absolutely
// placed in the window's client area.
class ElementHolder {
 public:
  ElementHolder(val element, bool takesFocus)
      : element_(std::move(element)), takesFocus_(takesFocus) {}
  virtual ~ElementHolder() = default;
  ElementHolder(const ElementHolder&) = delete;
  ElementHolder& operator=(const ElementHolder&) = delete;

  const val& element() const { return element_; }
  val& element() { return element_; }
  // Whether Tab reaches it.
  bool takesFocus() const { return takesFocus_; }

 private:
  val element_;
  bool takesFocus_;
};

template <class Peer>
class WebPeer : public Peer, public ElementHolder {
 public:
  WebPeer(const val& client, val element, const ControlIdentity& identity, bool takesFocus)
      : ElementHolder(std::move(element), takesFocus) {
    PlaceElement(this->element(), identity);
    client.call<void>("appendChild", this->element());
  }

  void SetAccessibleName(std::string_view text) override {
    SetAttribute(this->element(), "aria-label", text);
  }
  void SetAccessibleDescription(std::string_view text) override {
    SetAttribute(this->element(), "aria-description", text);
  }
  void ShowEnabled(bool enabled) override {
    ShowEnabledElement(this->element(), enabled, this->takesFocus());
  }
};

}  // namespace dct::platform::web
