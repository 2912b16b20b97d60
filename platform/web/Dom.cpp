#include "platform/web/Dom.h"

#include <algorithm>
#include <array>

namespace dct::platform::web {
namespace {

std::string pixels(int value) { return std::to_string(value) + "px"; }

// The rectangle as custom properties that the page's style places by.
void appendPlace(std::string& css, const char* prefix, const Rect& r) {
  const std::array<const char*, 4> names{"x:", "y:", "w:", "h:"};
  const std::array<int, 4> values{r.left, r.top, r.width, r.height};
  for (std::size_t i = 0; i < names.size(); ++i) {
    css.append(prefix).append(names[i]).append(pixels(values[i])) += ';';
  }
}

}  // namespace

val Document() { return val::global("document"); }

val Key(const char* literal) { return val(literal); }

val Text(std::string_view text) {
  const bool ascii = std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  const std::string copy(text);
  return ascii ? val(copy.c_str()) : val(copy);
}

val CreateElement(const char* tag, const char* className) {
  val element = Document().call<val>("createElement", Key(tag));
  if (*className != '\0') element.set(Key("className"), Key(className));
  return element;
}

void SetPixels(const val& element, const char* property, int value) {
  element[Key("style")].set(Key(property), val(pixels(value).c_str()));
}

void SetAttribute(const val& element, const char* name, std::string_view value) {
  element.call<void>("setAttribute", Key(name), Text(value));
}

void PlaceElement(val& element, const ControlIdentity& identity) {
  const Rect& r = identity.rect;
  std::string css;
  appendPlace(css, "--",
              {TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
               TwipsToPixels(r.height)});
  if (!identity.fingerRect.Empty()) appendPlace(css, "--f", identity.fingerRect);
  element[Key("style")].set(Key("cssText"), val(css.c_str()));
  element.set(Key("id"), Text(identity.Name()));
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

val CreateAnnouncer(const val& client) {
  val announcer = CreateElement("div", "announcer");
  SetAttribute(announcer, "aria-live", "polite");
  client.call<void>("appendChild", announcer);
  return announcer;
}

void ShowEnabledElement(val element, bool enabled, bool focusable) {
  element[Key("classList")].call<void>("toggle", Key("disabled"), !enabled);
  const std::string tag = element[Key("tagName")].as<std::string>();
  if (tag == "INPUT" || tag == "BUTTON") {
    element.set(Key("disabled"), !enabled);
    return;
  }
  if (enabled) {
    element.call<void>("removeAttribute", Key("aria-disabled"));
  } else {
    SetAttribute(element, "aria-disabled", "true");
  }
  if (!focusable) return;
  // Without a tabindex a click cannot focus it either.
  if (enabled) {
    element.set(Key("tabIndex"), 0);
    return;
  }
  element.call<void>("removeAttribute", Key("tabindex"));
  if (Document()[Key("activeElement")].strictlyEquals(element)) element.call<void>("blur");
}

}  // namespace dct::platform::web
