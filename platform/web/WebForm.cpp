#include "WebForm.h"

#include <emscripten/val.h>

#include <algorithm>
#include <vector>

#include "Backend.h"
#include "WebPeer.h"

namespace dct::platform {
namespace web {
namespace {

// The title bar above the client area, and the frame around both.
constexpr int kTitleHeight = 24;
constexpr int kFrame = 1;

std::vector<WebForm*>& forms() {
  static std::vector<WebForm*> all;
  return all;
}

// The image as an SVG data address: a rectangle for each run of one colour
// along a row. Quick to make (a picture drawn and encoded as a PNG took a
// tenth of the start-up), and sharp at any size.
std::string iconAddress(const IndexedImage& image) {
  std::string svg =
      "<svg xmlns='http://www.w3.org/2000/svg' shape-rendering='crispEdges' "
      "viewBox='0 0 " +
      std::to_string(image.width) + " " + std::to_string(image.height) + "'>";
  const auto colourAt = [&image](int x, int y) {
    return image.palette[image.pixels[static_cast<std::size_t>(y * image.width + x)]];
  };
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width;) {
      int end = x + 1;
      while (end < image.width && colourAt(end, y) == colourAt(x, y)) ++end;
      svg += "<rect x='" + std::to_string(x) + "' y='" + std::to_string(y) + "' width='" +
             std::to_string(end - x) + "' height='1' fill='" + CssColour(colourAt(x, y)) + "'/>";
      x = end;
    }
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
    const std::string address = iconAddress(settings.icon);
    val icon = CreateElement("img", "icon");
    icon.set("src", address);
    icon.set("alt", std::string(""));
    bar.call<void>("appendChild", icon);
    val link = CreateElement("link", "");
    link.set("rel", std::string("icon"));
    link.set("href", address);
    Document()["head"].call<void>("appendChild", link);
  }
  val caption = CreateElement("span", "");
  caption.set("textContent", settings.title);
  bar.call<void>("appendChild", caption);
  return bar;
}

// Where the page wants the window: its element "program", or the end of the page.
val placeOnPage() {
  val place = Document().call<val>("getElementById", std::string("program"));
  if (!place.isNull()) return place;
  place = CreateElement("div", "");
  Document()["body"].call<void>("appendChild", place);
  return place;
}

}  // namespace

WebForm::WebForm(const FormSettings& settings)
    : width_(TwipsToPixels(settings.clientWidth)),
      height_(TwipsToPixels(settings.clientHeight)),
      place_(placeOnPage()),
      box_(CreateElement("div", "window-box")),
      window_(CreateElement("section", "window")),
      client_(CreateElement("div", "client")),
      status_(CreateElement("p", "status")) {
  Document().set("title", settings.title);
  SetAttribute(window_, "aria-label", settings.title);
  box_.set("hidden", true);
  SetPixels(client_, "width", width_);
  SetPixels(client_, "height", height_);
  window_.call<void>("appendChild", titleBar(settings));
  window_.call<void>("appendChild", client_);
  box_.call<void>("appendChild", window_);
  place_.call<void>("appendChild", box_);
  SetAttribute(status_, "role", "status");
  place_.call<void>("appendChild", status_);
  hint_ = std::make_unique<WebHint>(client_);
  Listen(val::global("window"), "resize", [this](const val&) { fitToPage(); });
  forms().push_back(this);
}

WebForm::~WebForm() {
  forms().erase(std::remove(forms().begin(), forms().end(), this), forms().end());
  place_.call<void>("removeChild", box_);
  place_.call<void>("removeChild", status_);
}

// Tab follows the order of the elements: they go in that order, which moves
// nothing, as every control has its own place.
void WebForm::SetTabOrder(const std::vector<ControlPeer*>& controls) {
  firstFocus_ = val::null();
  for (ControlPeer* control : controls) {
    const val& element = dynamic_cast<ElementHolder&>(*control).element();
    client_.call<void>("appendChild", element);
    if (firstFocus_.isNull() && element["tabIndex"].as<int>() >= 0 &&
        !element["disabled"].as<bool>()) {
      firstFocus_ = element;
    }
  }
}

// As on the desktop, the window opens with the focus on the first control
// in Tab order. Focusing lays the page out, which the window's scale is then
// read from.
void WebForm::Show() {
  box_.set("hidden", false);
  if (!firstFocus_.isNull()) {
    val options = val::object();
    options.set("preventScroll", true);
    firstFocus_.call<void>("focus", options);
  }
  fitToPage();
}

// On a page narrower than the window, the whole window is drawn smaller, as
// the desktop draws it at another scale; nothing in it moves.
void WebForm::fitToPage() {
  const int width = width_ + 2 * kFrame;
  const int height = height_ + kTitleHeight + 2 * kFrame;
  const double room = place_["clientWidth"].as<double>();
  const double scale = room > 0 && room < width ? room / width : 1.0;
  // Unchanged, it is left alone: each change lays the page out again.
  if (scale == scale_) return;
  scale_ = scale;
  // The number is written by the browser, which writes one as CSS reads it.
  window_["style"].set("transform", val("scale(").call<val>("concat", scale, val(")")));
  SetPixels(box_, "width", static_cast<int>(width * scale + 0.5));
  SetPixels(box_, "height", static_cast<int>(height * scale + 0.5));
}

void WebForm::close(const std::string& notice, bool failure) {
  val controls = client_.call<val>("querySelectorAll", std::string("input, button"));
  const int count = controls["length"].as<int>();
  for (int i = 0; i < count; ++i) controls[i].set("disabled", true);
  val bars = client_.call<val>("querySelectorAll", std::string(".bar"));
  const int barCount = bars["length"].as<int>();
  for (int i = 0; i < barCount; ++i) {
    bars[i].set("tabIndex", -1);
    SetAttribute(bars[i], "aria-disabled", "true");
  }
  window_["classList"].call<void>("add", std::string("ended"));
  SetAttribute(status_, "role", failure ? "alert" : "status");
  status_.set("textContent", notice);
}

void WebForm::CloseAll(const std::string& notice, bool failure) {
  for (WebForm* form : forms()) form->close(notice, failure);
}

}  // namespace web

std::unique_ptr<FormPeer> backend::CreateForm(const FormSettings& settings) {
  return std::make_unique<web::WebForm>(settings);
}

}  // namespace dct::platform
