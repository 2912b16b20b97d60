#include "platform/Form.h"

#include <algorithm>

#include "platform/Peers.h"
#include "platform/Runtime.h"

namespace dct::platform {

Form::Form(Runtime& runtime, const FormSettings& settings)
    : runtime_(runtime), peer_(runtime.CreateFormPeer(settings)) {}

Form::~Form() { peer_.reset(); }

template <typename T, typename Settings>
T& Form::add(const Settings& settings) {
  auto control = std::make_unique<T>(runtime_, *peer_, settings);
  T& result = *control;
  controls_.push_back(std::move(control));
  return result;
}

TextBox& Form::AddTextBox(const TextBoxSettings& settings) { return add<TextBox>(settings); }
ScrollBar& Form::AddScrollBar(const ScrollBarSettings& settings) {
  return add<ScrollBar>(settings);
}
CommandButton& Form::AddCommandButton(const CommandButtonSettings& settings) {
  return add<CommandButton>(settings);
}
Label& Form::AddLabel(const LabelSettings& settings) { return add<Label>(settings); }

PictureBox& Form::AddPictureBox(const PictureBoxSettings& settings) {
  return add<PictureBox>(settings);
}

void Form::ApplyTabOrder() {
  std::vector<const Control*> sorted;
  for (const auto& control : controls_) sorted.push_back(control.get());
  std::sort(sorted.begin(), sorted.end(), [](const Control* a, const Control* b) {
    return a->Identity().tabIndex < b->Identity().tabIndex;
  });
  std::vector<ControlPeer*> peers;
  for (const Control* control : sorted) peers.push_back(&control->Peer());
  peer_->SetTabOrder(peers);
}

void Form::TieLabel(const Label& label, const Control& control) {
  peer_->TieLabel(label.Peer(), control.Peer());
}

void Form::Show() { peer_->Show(); }

}  // namespace dct::platform
