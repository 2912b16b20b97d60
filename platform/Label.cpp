#include "Label.h"

namespace dct::platform {

Label::Label(FormPeer& form, const LabelSpec& settings)
    : Control(settings.identity), peer_(form.AddLabel(settings)) {}

Label::~Label() = default;

}  // namespace dct::platform
