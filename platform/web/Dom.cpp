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
EM_JS(emscripten::EM_VAL, dct_create, (const char* tag, const char* className), {
  const element = document.createElement(UTF8ToString(tag));
  if (HEAPU8[className]) element.className = UTF8ToString(className);
  return Emval.toHandle(element);
});

EM_JS(void, dct_place, (emscripten::EM_VAL element, int left, int top, int width, int height,
                        const char* id), {
  const target = Emval.toValue(element);
  target.style.cssText =
      "left:" + left + "px;top:" + top + "px;width:" + width + "px;height:" + height + "px";
  target.id = UTF8ToString(id);
});

EM_JS(int, dct_register, (emscripten::EM_VAL element), {
  const elements = Module.dctElements || (Module.dctElements = []);
  elements.push(Emval.toValue(element));
  return elements.length - 1;
});

EM_JS(void, dct_set_background, (int element, int rgb), {
  Module.dctElements[element].style.backgroundColor = "#" + rgb.toString(16).padStart(6, "0");
});

EM_JS(void, dct_set_attribute, (int element, const char* name, const char* value), {
  Module.dctElements[element].setAttribute(UTF8ToString(name), UTF8ToString(value));
});

EM_JS(void, dct_set_value, (int element, const char* value), {
  Module.dctElements[element].value = UTF8ToString(value);
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
  return val::take_ownership(dct_create(tag, className));
}

void SetPixels(val element, const char* property, int pixels) {
  element["style"].set(property, std::to_string(pixels) + "px");
}

void SetAttribute(const val& element, const char* name, const std::string& value) {
  element.call<void>("setAttribute", std::string(name), value);
}

void PlaceElement(val element, const ControlIdentity& identity) {
  const Rect& r = identity.rect;
  dct_place(element.as_handle(), TwipsToPixels(r.left), TwipsToPixels(r.top),
            TwipsToPixels(r.width), TwipsToPixels(r.height), identity.Name().c_str());
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

int RegisterElement(const val& element) { return dct_register(element.as_handle()); }

// CSS wants red first; the program's colours have it last.
void SetBackground(int element, Rgb colour) {
  dct_set_background(element, (RedOf(colour) << 16) | (GreenOf(colour) << 8) | BlueOf(colour));
}

void SetAttribute(int element, const char* name, const std::string& value) {
  dct_set_attribute(element, name, value.c_str());
}

void SetValue(int element, const std::string& value) { dct_set_value(element, value.c_str()); }

void Listen(const val& target, const char* type, std::function<void(const val& event)> handler) {
  listeners().push_back(std::move(handler));
  dct_listen(target.as_handle(), type, static_cast<int>(listeners().size() - 1));
}

void AfterEachEvent(std::function<void()> action) { afterEachEvent() = std::move(action); }

}  // namespace dct::platform::web
