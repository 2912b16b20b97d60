#include "Label.h"

#include "Backend.h"

namespace dct::platform {

Label::Label(FormPeer& form, const LabelSettings& settings)
    : Control(settings.identity), peer_(backend::CreateLabel(form, settings)) {}

Label::~Label() = default;

}  // namespace dct::platform
