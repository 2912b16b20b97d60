#include "Dom.h"

#include <emscripten/bind.h>

#include <vector>

namespace dct::platform::web {
namespace {

std::vector<std::function<void(const val&)>>& listeners() {
  static std::vector<std::function<void(const val&)>> all;
  return all;
}

std::function<void()>& afterEachEvent() {
  static std::function<void()> action;
  return action;
}

int dispatching = 0;

// The one entry from the browser's events into the program. Events do not
// nest here (setting a property from C++ raises none), but a focus change
// could: only the outermost one is followed by the page's own work.
void dispatch(int id, val event) {
  ++dispatching;
  listeners()[static_cast<std::size_t>(id)](event);
  --dispatching;
  if (dispatching == 0 && afterEachEvent()) afterEachEvent()();
}

}  // namespace

EMSCRIPTEN_BINDINGS(dct_dom) { emscripten::function("dctDispatch", &dispatch); }

val Document() { return val::global("document"); }

val CreateElement(const char* tag, const char* className) {
  val element = Document().call<val>("createElement", std::string(tag));
  if (*className != '\0') element.set("className", std::string(className));
  return element;
}

void SetPixels(const val& element, const char* property, int pixels) {
  element["style"].set(property, std::to_string(pixels) + "px");
}

// Strings go over as C strings: a std::string would be copied into a buffer
// of its own first, which doubles the cost of a change of value.
void SetAttribute(const val& element, const char* name, const std::string& value) {
  element.call<void>("setAttribute", val(name), val(value.c_str()));
}

void PlaceElement(val element, const ControlIdentity& identity) {
  const Rect& r = identity.rect;
  element["style"].set("cssText", "left:" + std::to_string(TwipsToPixels(r.left)) +
                                      "px;top:" + std::to_string(TwipsToPixels(r.top)) +
                                      "px;width:" + std::to_string(TwipsToPixels(r.width)) +
                                      "px;height:" + std::to_string(TwipsToPixels(r.height)) +
                                      "px");
  element.set("id", identity.Name());
}

std::string CssColour(Rgb colour) {
  constexpr const char* kDigits = "0123456789abcdef";
  std::string text = "#";
  for (const int channel : {RedOf(colour), GreenOf(colour), BlueOf(colour)}) {
    text += kDigits[channel / 16];
    text += kDigits[channel % 16];
  }
  return text;
}

// The listener is the program's entry bound to the handler's number, so that
// the browser holds no C++ object.
void Listen(const val& target, const char* type, std::function<void(const val& event)> handler) {
  listeners().push_back(std::move(handler));
  const val entry = val::module_property("dctDispatch")
                        .call<val>("bind", val::null(), static_cast<int>(listeners().size() - 1));
  target.call<void>("addEventListener", std::string(type), entry);
}

void AfterEachEvent(std::function<void()> action) { afterEachEvent() = std::move(action); }

}  // namespace dct::platform::web
