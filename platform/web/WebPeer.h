#pragma once

#include "Dom.h"

namespace dct::platform::web {

// What every control of this backend is shown by: one element, absolutely
// placed in the window's client area.
class ElementHolder {
 public:
  explicit ElementHolder(val element) : element_(std::move(element)) {}
  virtual ~ElementHolder() = default;
  ElementHolder(const ElementHolder&) = delete;
  ElementHolder& operator=(const ElementHolder&) = delete;

  const val& element() const { return element_; }
  val& element() { return element_; }

 private:
  val element_;
};

template <class Peer>
class WebPeer : public Peer, public ElementHolder {
 public:
  WebPeer(const val& client, val element, const ControlIdentity& identity)
      : ElementHolder(std::move(element)) {
    PlaceElement(this->element(), identity);
    client.call<void>("appendChild", this->element());
  }

  void SetAccessibleName(std::string_view text) override {
    SetAttribute(this->element(), "aria-label", std::string(text));
  }
  void SetAccessibleDescription(std::string_view text) override {
    SetAttribute(this->element(), "aria-description", std::string(text));
  }
};

}  // namespace dct::platform::web
