#include <emscripten/val.h>

#include <algorithm>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/web/WebForm.h"
#include "platform/web/WebPeer.h"

namespace dct::platform {
namespace web {
namespace {

// A picture's pixels in a canvas of its own size that the page's style
// enlarges without smoothing, in a stage of the picture's proportions; the
// frame over it in fractions of the stage, so that it follows any size.
// An interactive one is a control of its own to a screen reader, which then
// leaves it the keys; it says it is a picture.
val createBox(const PictureBoxSettings& settings) {
  val box = CreateElement("div", settings.interactive ? "picture interactive" : "picture");
  SetAttribute(box, "role", settings.interactive ? "application" : "img");
  if (settings.interactive) {
    SetAttribute(box, "aria-roledescription", "imagem");
    box.set(Key("tabIndex"), 0);
  }
  val stage = CreateElement("div", "stage");
  stage.call<void>("appendChild", CreateElement("canvas", ""));
  stage.call<void>("appendChild", CreateElement("div", "frame"));
  box.call<void>("appendChild", stage);
  return box;
}

constexpr std::pair<const char*, PictureKey> kKeys[] = {
    {"ArrowLeft", PictureKey::Left}, {"ArrowRight", PictureKey::Right},
    {"ArrowUp", PictureKey::Up},     {"ArrowDown", PictureKey::Down},
    {"PageUp", PictureKey::PageUp},  {"PageDown", PictureKey::PageDown},
    {"Home", PictureKey::Home},      {"End", PictureKey::End},
};

// How far, in the page's pixels, a finger may move and still tap.
constexpr double kTapSlop = 10;

bool isTouch(const val& event) { return event["pointerType"].as<std::string>() == "touch"; }

std::string px(double value) { return std::to_string(value) + "px"; }

std::string percent(int part, int whole) {
  return std::to_string(100.0 * part / std::max(whole, 1)) + "%";
}

}  // namespace

class WebPictureBox : public WebPeer<PictureBoxPeer> {
 public:
  WebPictureBox(WebForm& form, const PictureBoxSettings& settings, PictureBoxInput& input);

  void ShowPicture(const GreyPixels& picture) override;
  void ShowFrame(const Rect& frame) override;
  void ChooseImage() override { chooser_.call<void>("click"); }
  void ShowBusy(bool busy) override;
  void ShowEnabled(bool enabled) override;
  void SetAccessibleDescription(std::string_view text) override;

 private:
  // A finger down on the picture, which may yet be a tap.
  struct Tap {
    int pointer;
    double x;
    double y;
    std::pair<int, int> pixel;
  };

  void listen(Events& events);
  void touchDown(const val& event, std::pair<int, int> pixel);
  void touchMoved(const val& event);
  std::optional<std::pair<int, int>> pixelAt(const val& event) const;
  void read(const val& file);
  void settled(const val& outcomes);
  void resize(int width, int height);

  PictureBoxInput& input_;
  ControlIdentity identity_;
  val stage_;
  val canvas_;
  val frame_;
  val context_ = val::null();
  val chooser_ = val::null();
  // Where a screen reader hears each new description, if the box has one.
  val announcer_ = val::null();
  // Made once: an entry the program keeps for as long as it runs.
  val onSettled_ = val::null();
  int width_ = 0;
  int height_ = 0;
  bool pressed_ = false;
  bool enabled_ = true;
  std::pair<int, int> last_{-1, -1};
  std::optional<Tap> tap_;
};

WebPictureBox::WebPictureBox(WebForm& form, const PictureBoxSettings& settings,
                             PictureBoxInput& input)
    : WebPeer(form.client(), createBox(settings), settings.identity, settings.interactive),
      input_(input),
      identity_(settings.identity),
      stage_(element()["firstChild"]),
      canvas_(stage_["firstChild"]),
      frame_(stage_["lastChild"]) {
  if (settings.announcesDescription) announcer_ = CreateAnnouncer(form.client());
  if (settings.interactive) listen(form.events());
}

void WebPictureBox::SetAccessibleDescription(std::string_view text) {
  WebPeer::SetAccessibleDescription(text);
  if (!announcer_.isNull()) announcer_.set(Key("textContent"), Text(text));
}

// A picture of the size already shown only repaints the canvas: sizing it
// again would clear and reallocate it, which costs more than the painting
// (the difference picture changes at every change of value).
void WebPictureBox::ShowPicture(const GreyPixels& picture) {
  if (picture.width != width_ || picture.height != height_) resize(picture.width, picture.height);
  if (width_ == 0 || height_ == 0) return;
  std::vector<std::uint8_t> rgba(picture.levels.size() * 4, 255);
  for (std::size_t i = 0; i < picture.levels.size(); ++i) {
    std::fill_n(rgba.begin() + static_cast<std::ptrdiff_t>(4 * i), 3, picture.levels[i]);
  }
  const val bytes = val::global("Uint8ClampedArray")
                        .new_(emscripten::typed_memory_view(rgba.size(), rgba.data()));
  const val image = val::global("ImageData").new_(bytes, width_, height_);
  context_.call<void>("putImageData", image, 0, 0);
}

void WebPictureBox::resize(int width, int height) {
  width_ = width;
  height_ = height;
  canvas_.set("width", width_);
  canvas_.set("height", height_);
  if (context_.isNull()) context_ = canvas_.call<val>("getContext", Key("2d"));
  val style = stage_["style"];
  const Rect& r = identity_.rect;
  const auto [shownWidth, shownHeight] =
      FitPicture(width_, height_, TwipsToPixels(r.width), TwipsToPixels(r.height));
  style.call<void>("setProperty", Key("--sw"), val(px(shownWidth)));
  style.call<void>("setProperty", Key("--sh"), val(px(shownHeight)));
  if (!identity_.fingerRect.Empty()) {
    const Rect& finger = identity_.fingerRect;
    const auto [fingerWidth, fingerHeight] =
        FitPicture(width_, height_, finger.width, finger.height);
    style.call<void>("setProperty", Key("--fsw"), val(px(fingerWidth)));
    style.call<void>("setProperty", Key("--fsh"), val(px(fingerHeight)));
  }
}

// Also for a screen reader, which may wait with the picture until it is done.
void WebPictureBox::ShowBusy(bool busy) {
  element()[Key("classList")].call<void>("toggle", Key("busy"), busy);
  SetAttribute(element(), "aria-busy", busy ? "true" : "false");
}

void WebPictureBox::ShowEnabled(bool enabled) {
  WebPeer::ShowEnabled(enabled);
  enabled_ = enabled;
  pressed_ = false;
  tap_.reset();
}

void WebPictureBox::ShowFrame(const Rect& frame) {
  val style = frame_["style"];
  style.set("display", frame.Empty() ? "none" : "block");
  style.set("left", percent(frame.left, width_));
  style.set("top", percent(frame.top, height_));
  style.set("width", percent(frame.width, width_));
  style.set("height", percent(frame.height, height_));
}

// The stage's rectangle on screen, whatever scales the window.
std::optional<std::pair<int, int>> WebPictureBox::pixelAt(const val& event) const {
  if (width_ == 0 || height_ == 0) return std::nullopt;
  const val box = stage_.call<val>("getBoundingClientRect");
  return std::pair{PixelAlong(event["clientX"].as<double>() - box["left"].as<double>(),
                              box["width"].as<double>(), width_),
                   PixelAlong(event["clientY"].as<double>() - box["top"].as<double>(),
                              box["height"].as<double>(), height_)};
}

// A finger swipes the page, as it does anywhere else: it presses only where
// it is lifted again without having gone anywhere, a tap. A second finger
// makes a gesture of it, no tap.
void WebPictureBox::touchDown(const val& event, std::pair<int, int> pixel) {
  if (tap_) {
    tap_.reset();
    return;
  }
  tap_ = Tap{event["pointerId"].as<int>(), event["clientX"].as<double>(),
             event["clientY"].as<double>(), pixel};
}

void WebPictureBox::touchMoved(const val& event) {
  if (!tap_ || tap_->pointer != event["pointerId"].as<int>()) return;
  const double dx = event["clientX"].as<double>() - tap_->x;
  const double dy = event["clientY"].as<double>() - tap_->y;
  if (dx * dx + dy * dy >= kTapSlop * kTapSlop) tap_.reset();
}

void WebPictureBox::listen(Events& events) {
  events.Listen(element(), "pointerdown", [this](const val& event) {
    if (event["button"].as<int>() != 0 || !enabled_) return;
    const auto pixel = pixelAt(event);
    if (!pixel) return;
    if (isTouch(event)) return touchDown(event, *pixel);
    pressed_ = true;
    last_ = *pixel;
    element().call<void>("setPointerCapture", event["pointerId"]);
    input_.Pressed(pixel->first, pixel->second);
  });
  events.Listen(element(), "pointermove", [this](const val& event) {
    if (isTouch(event)) return touchMoved(event);
    if (!pressed_) return;
    const auto pixel = pixelAt(event);
    if (!pixel || *pixel == last_) return;
    last_ = *pixel;
    input_.Dragged(pixel->first, pixel->second);
  });
  events.Listen(element(), "pointerup", [this](const val& event) {
    pressed_ = false;
    if (!isTouch(event)) return;
    touchMoved(event);
    if (!tap_ || tap_->pointer != event["pointerId"].as<int>()) return;
    const auto [x, y] = tap_->pixel;
    tap_.reset();
    if (enabled_) input_.Pressed(x, y);
  });
  // The browser has taken the finger to scroll or zoom the page.
  events.Listen(element(), "pointercancel", [this](const val&) {
    pressed_ = false;
    tap_.reset();
  });
  // None of these keys, nor Space, scrolls the page while the picture has
  // the focus.
  events.Listen(element(), "keydown", [this](const val& event) {
    const std::string key = event["key"].as<std::string>();
    if (key == " ") event.call<void>("preventDefault");
    for (const auto& [name, reported] : kKeys) {
      if (key != name) continue;
      event.call<void>("preventDefault");
      input_.KeyPressed(reported);
    }
  });
  onSettled_ = events.Callback([this](const val& outcomes) { settled(outcomes); });
  chooser_ = CreateElement("input", "chooser");
  chooser_.set("type", "file");
  // Exactly what the program reads.
  chooser_.set("accept", ".png,.jpg,.jpeg,.jpe,.jfif,image/png,image/jpeg");
  chooser_.set("tabIndex", -1);
  SetAttribute(chooser_, "aria-hidden", "true");
  element().call<void>("appendChild", chooser_);
  events.Listen(chooser_, "change", [this](const val&) {
    const val files = chooser_["files"];
    if (files["length"].as<int>() > 0) read(files[0]);
    chooser_.set("value", "");
  });
  // A file dropped on a disabled box is refused, not opened by the browser
  // in the page's place.
  events.Listen(element(), "dragover", [this](const val& event) {
    event.call<void>("preventDefault");
    if (!enabled_) event["dataTransfer"].set("dropEffect", "none");
  });
  events.Listen(element(), "drop", [this](const val& event) {
    event.call<void>("preventDefault");
    const val files = event["dataTransfer"]["files"];
    if (enabled_ && files["length"].as<int>() > 0) read(files[0]);
  });
}

// The file's bytes as they are on this computer: nothing leaves the page. A
// file too large is refused from its size, unread. The browser reads it
// without holding up the page; the file's name goes through the promise
// beside its bytes, so that each file keeps its own name.
void WebPictureBox::read(const val& file) {
  std::string name = file["name"].as<std::string>();
  const auto size = file["size"].as<double>();
  if (size > static_cast<double>(kPictureFileBytesMax)) {
    const FileRefusal refusal{FileRefusalKind::TooLarge, static_cast<long long>(size)};
    input_.FileChosen({std::move(name), [refusal]() -> FileBytes { return refusal; }});
    return;
  }
  val both = val::array();
  both.call<void>("push", file["name"], file.call<val>("arrayBuffer"));
  val::global("Promise").call<val>("allSettled", both).call<void>("then", onSettled_);
}

// A file the browser could not read (a folder dropped, a file gone) is
// refused as unreadable.
void WebPictureBox::settled(const val& outcomes) {
  std::string name = outcomes[0]["value"].as<std::string>();
  const val read = outcomes[1];
  if (read["status"].as<std::string>() != "fulfilled") {
    input_.FileChosen(
        {std::move(name), []() -> FileBytes { return FileRefusal{FileRefusalKind::Unreadable}; }});
    return;
  }
  const val buffer = val::global("Uint8Array").new_(read["value"]);
  std::shared_ptr<std::vector<std::uint8_t>> bytes;
  try {
    bytes = std::make_shared<std::vector<std::uint8_t>>(buffer["length"].as<std::size_t>());
  } catch (const std::bad_alloc&) {
    input_.FileChosen(
        {std::move(name), []() -> FileBytes { return FileRefusal{FileRefusalKind::OutOfMemory}; }});
    return;
  }
  val(emscripten::typed_memory_view(bytes->size(), bytes->data())).call<void>("set", buffer);
  input_.FileChosen({std::move(name), [bytes]() -> FileBytes { return std::move(*bytes); }});
}

}  // namespace web

std::unique_ptr<PictureBoxPeer> web::WebForm::CreatePictureBox(const PictureBoxSettings& settings,
                                                               PictureBoxInput& input) {
  return std::make_unique<WebPictureBox>(*this, settings, input);
}

}  // namespace dct::platform
