#include "Dom.h"

#include <emscripten/bind.h>
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <vector>

// clang-format off
EM_JS(void, dct_listen, (emscripten::EM_VAL target, const char* type, int id), {
  Emval.toValue(target).addEventListener(UTF8ToString(type), function(event) {
    Module.dctDispatch(id, event);
  });
});
// clang-format on

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
  if (className[0] != '\0') element.set("className", std::string(className));
  return element;
}

void SetPixels(val element, const char* property, int pixels) {
  element["style"].set(property, std::to_string(pixels) + "px");
}

void PlaceElement(val element, const ControlIdentity& identity) {
  const Rect& r = identity.rect;
  SetPixels(element, "left", TwipsToPixels(r.left));
  SetPixels(element, "top", TwipsToPixels(r.top));
  SetPixels(element, "width", TwipsToPixels(r.width));
  SetPixels(element, "height", TwipsToPixels(r.height));
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

void Listen(const val& target, const char* type, std::function<void(const val& event)> handler) {
  listeners().push_back(std::move(handler));
  dct_listen(target.as_handle(), type, static_cast<int>(listeners().size() - 1));
}

void AfterEachEvent(std::function<void()> action) { afterEachEvent() = std::move(action); }

}  // namespace dct::platform::web
