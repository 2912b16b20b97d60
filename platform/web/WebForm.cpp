#include "platform/web/WebForm.h"

#include <emscripten/val.h>

#include <algorithm>
#include <vector>

#include "platform/web/WebBackend.h"
#include "platform/web/WebPeer.h"

namespace dct::platform {
namespace web {
namespace {

// The image as an SVG data address: a rectangle for each run of one colour
// along a row, as tall as the rows below that repeat it. Quick to make (a
// picture drawn and encoded as a PNG took a tenth of the start-up), quick for
// the browser to read, and sharp at any size.
std::string iconAddress(const IndexedImage& image) {
  std::string svg =
      "<svg xmlns='http://www.w3.org/2000/svg' shape-rendering='crispEdges' "
      "viewBox='0 0 " +
      std::to_string(image.width) + " " + std::to_string(image.height) + "'>";
  const auto row = [&image](int y) {
    const auto start = image.pixels.begin() + static_cast<std::ptrdiff_t>(y * image.width);
    return std::vector<std::uint8_t>(start, start + image.width);
  };
  for (int y = 0; y < image.height;) {
    const std::vector<std::uint8_t> pixels = row(y);
    int height = 1;
    while (y + height < image.height && row(y + height) == pixels) ++height;
    for (int x = 0; x < image.width;) {
      int end = x + 1;
      while (end < image.width &&
             pixels[static_cast<std::size_t>(end)] == pixels[static_cast<std::size_t>(x)]) {
        ++end;
      }
      svg += "<rect x='" + std::to_string(x) + "' y='" + std::to_string(y) + "' width='" +
             std::to_string(end - x) + "' height='" + std::to_string(height) + "' fill='" +
             CssColour(image.palette[pixels[static_cast<std::size_t>(x)]]) + "'/>";
      x = end;
    }
    y += height;
  }
  svg += "</svg>";
  std::string address = "data:image/svg+xml,";
  for (const char c : svg) {
    address += c == '#' ? "%23" : c == '<' ? "%3C" : c == '>' ? "%3E" : std::string(1, c);
  }
  return address;
}

val titleBar(const FormSettings& settings) {
  val bar = CreateElement("div", "title");
  if (settings.icon.width > 0) {
    const val address(iconAddress(settings.icon).c_str());
    val icon = CreateElement("img", "icon");
    icon.set(Key("src"), address);
    icon.set(Key("alt"), Key(""));
    bar.call<void>("appendChild", icon);
    val link = CreateElement("link", "");
    link.set(Key("rel"), Key("icon"));
    link.set(Key("href"), address);
    Document()["head"].call<void>("appendChild", link);
  }
  val caption = CreateElement("span", "");
  caption.set(Key("textContent"), Text(settings.title));
  bar.call<void>("appendChild", caption);
  return bar;
}

// The client area's size in both layouts, as custom properties that the
// page's style sizes it by; the layout for fingers only where the form has one.
val createClient(const FormSettings& settings) {
  const bool fingers = settings.fingerClientWidth > 0 && settings.fingerClientHeight > 0;
  val client = CreateElement("div", fingers ? "client fingers" : "client");
  std::string css = "--client-width:" + std::to_string(TwipsToPixels(settings.clientWidth)) +
                    "px;--client-height:" + std::to_string(TwipsToPixels(settings.clientHeight)) +
                    "px;";
  if (fingers) {
    css += "--finger-width:" + std::to_string(settings.fingerClientWidth) +
           "px;--finger-height:" + std::to_string(settings.fingerClientHeight) + "px;";
  }
  client[Key("style")].set(Key("cssText"), val(css.c_str()));
  return client;
}

// Where the page wants the window: its element of that id, or the end of the page.
val placeOnPage(const std::string& id) {
  val place = Document().call<val>("getElementById", id);
  if (!place.isNull()) return place;
  place = CreateElement("div", "");
  Document()["body"].call<void>("appendChild", place);
  return place;
}

}  // namespace

// The window is put on the page when it is shown: until then, no element
// added to it costs the page a new layout.
WebForm::WebForm(WebBackend& backend, const FormSettings& settings)
    : backend_(backend),
      events_(backend.PageEvents()),
      secondary_(settings.secondary),
      place_(placeOnPage(settings.pageElement)),
      box_(CreateElement("div", "window-box")),
      window_(CreateElement("section", "window")),
      client_(createClient(settings)),
      status_(CreateElement("p", "status")) {
  if (!settings.secondary) Document().set(Key("title"), Text(settings.title));
  SetAttribute(window_, "aria-label", settings.title);
  window_.call<void>("appendChild", titleBar(settings));
  window_.call<void>("appendChild", client_);
  box_.call<void>("appendChild", window_);
  SetAttribute(status_, "role", "status");
  place_.call<void>("after", status_);
  hint_ = std::make_unique<WebHint>(client_, events_);
  events_.Observe(val::global("window"), "resize", [this](const val&) { fitToPage(); });
  backend_.Opened(*this);
}

WebForm::~WebForm() {
  backend_.Closed(*this);
  box_.call<void>("remove");
  status_.call<void>("remove");
}

// Tab follows the order of the elements: they go in that order, which moves
// nothing, as every control has its own place.
void WebForm::SetTabOrder(const std::vector<ControlPeer*>& controls) {
  firstFocus_ = val::null();
  for (ControlPeer* control : controls) {
    const auto& holder = dynamic_cast<ElementHolder&>(*control);
    client_.call<void>("appendChild", holder.element());
    if (firstFocus_.isNull() && holder.takesFocus()) firstFocus_ = holder.element();
  }
}

// Each element has its control's name as its id.
void WebForm::TieLabel(ControlPeer& label, ControlPeer& control) {
  const val& caption = dynamic_cast<ElementHolder&>(label).element();
  SetAttribute(dynamic_cast<ElementHolder&>(control).element(), "aria-labelledby",
               caption[Key("id")].as<std::string>());
}

// As on the desktop, the main window opens with the focus on the first
// control in Tab order; one beside it leaves the focus there. Focusing lays
// the page out, which the window's scale is then read from.
void WebForm::Show() {
  place_.call<void>("appendChild", box_);
  if (!firstFocus_.isNull() && !secondary_) {
    val options = val::object();
    options.set("preventScroll", true);
    firstFocus_.call<void>("focus", options);
  }
  fitToPage();
}

// Where the page has less room than the window in the layout its style
// picked, the whole window is drawn smaller, as the desktop draws it at
// another scale; nothing in it moves. The page keeps the window's place in
// its style, so that nothing below moves either.
void WebForm::fitToPage() {
  const double width = window_[Key("offsetWidth")].as<double>();
  const double room = place_[Key("clientWidth")].as<double>();
  const double scale = room > 0 && room < width ? room / width : 1.0;
  // Unchanged, it is left alone: each change lays the page out again.
  if (scale == scale_) return;
  scale_ = scale;
  // The number is written by the browser, which writes one as CSS reads it.
  window_[Key("style")].set(Key("transform"), val("scale(").call<val>("concat", scale, val(")")));
}

val WebForm::Made(const std::string& kind, const std::function<val()>& make) {
  auto found = made_.find(kind);
  if (found == made_.end()) found = made_.emplace(kind, make()).first;
  return found->second.call<val>("cloneNode", false);
}

void WebForm::Close() {
  closed_ = true;
  val controls = client_.call<val>("querySelectorAll", Key("input, button"));
  val pictures = client_.call<val>("querySelectorAll", Key(".picture.interactive"));
  for (int i = 0; i < pictures["length"].as<int>(); ++i) {
    pictures[i].set("tabIndex", -1);
    pictures[i]["classList"].call<void>("add", Key("ended"));
  }
  const int count = controls["length"].as<int>();
  for (int i = 0; i < count; ++i) controls[i].set("disabled", true);
  val bars = client_.call<val>("querySelectorAll", Key(".bar"));
  const int barCount = bars["length"].as<int>();
  for (int i = 0; i < barCount; ++i) {
    bars[i].set("tabIndex", -1);
    SetAttribute(bars[i], "aria-disabled", "true");
  }
  window_["classList"].call<void>("add", Key("ended"));
}

void WebForm::SayEnded(const std::string& notice, bool failure) {
  SetAttribute(status_, "role", failure ? "alert" : "status");
  status_.set(Key("textContent"), Text(notice));
}

}  // namespace web
}  // namespace dct::platform
