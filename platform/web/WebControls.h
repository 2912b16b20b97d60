#pragma once

#include <memory>

#include "platform/Peers.h"

// Each kind of control as the page shows it, put in a window; for WebForm.
namespace dct::platform::web {

class WebForm;

std::unique_ptr<TextBoxPeer> MakeTextBox(WebForm& form, const TextBoxSettings& settings,
                                         TextBoxInput& input);
std::unique_ptr<ScrollBarPeer> MakeScrollBar(WebForm& form, const ScrollBarSettings& settings,
                                             ScrollBarInput& input);
std::unique_ptr<CommandButtonPeer> MakeButton(WebForm& form, const CommandButtonSettings& settings,
                                              ButtonInput& input);
std::unique_ptr<LabelPeer> MakeLabel(WebForm& form, const LabelSettings& settings);
std::unique_ptr<PictureBoxPeer> MakePictureBox(WebForm& form, const PictureBoxSettings& settings,
                                               PictureBoxInput& input);

}  // namespace dct::platform::web
