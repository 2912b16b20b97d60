#include "platform/Label.h"

#include <utility>

namespace dct::platform {

Label::Label(Runtime& runtime, FormPeer& form, const LabelSettings& settings)
    : Control(runtime, settings.identity),
      caption_(settings.caption),
      peer_(form.CreateLabel(settings)) {}

Label::~Label() = default;

void Label::SetCaption(std::string_view text) {
  if (text == caption_) return;
  caption_ = text;
  captionUnshown_ = true;
  ShowAssigned();
}

void Label::ShowUnshown() {
  if (!std::exchange(captionUnshown_, false)) return;
  peer_->ShowCaption(caption_);
}

}  // namespace dct::platform
