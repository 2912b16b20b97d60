#pragma once

#include <functional>
#include <string>

#include "ControlLayout.h"
#include "Form.h"
#include "Layout.h"

namespace dct::ui {

template <typename... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <typename... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// A value that indexes a grid, said as the place of that grid's element.
inline std::function<std::string(int)> ValueTextOf(const char* pattern) {
  if (pattern == nullptr) return {};
  return [pattern](int value) { return GridPlaceText(pattern, value); };
}

// Creates the control on the form and keeps it in its slot of `controls`.
template <typename Slots>
void AddSingle(platform::Form& form, const SingleControlOf<Slots>& single, Slots& controls) {
  const platform::ControlIdentity identity{single.name, -1, single.rect, single.tabIndex,
                                           single.finger};
  const auto keep = [&controls](auto slot, auto& control) -> platform::Control& {
    controls.*slot = &control;
    return control;
  };
  const auto addLabel = [&]() -> platform::Label& {
    return form.AddLabel(
        {identity, single.caption, single.fixedPitch, single.announcesDescription});
  };
  platform::Control& created = std::visit(
      Overloaded{
          [&](LabelSlot) -> platform::Control& { return addLabel(); },
          [&](platform::Label* Slots::*slot) -> platform::Control& {
            return keep(slot, addLabel());
          },
          [&](platform::TextBox* Slots::*slot) -> platform::Control& {
            return keep(slot, form.AddTextBox({identity, single.caption, platform::Alignment::Left,
                                               single.enabled, true, single.announcesDescription,
                                               single.locked}));
          },
          [&](platform::ScrollBar* Slots::*slot) -> platform::Control& {
            return keep(slot, form.AddScrollBar({identity, single.range, single.value,
                                                 ValueTextOf(single.valueText)}));
          },
          [&](platform::CommandButton* Slots::*slot) -> platform::Control& {
            return keep(slot, form.AddCommandButton({identity, single.caption}));
          },
          [&](platform::PictureBox* Slots::*slot) -> platform::Control& {
            return keep(slot, form.AddPictureBox({identity, single.interactive}));
          },
      },
      single.slot);
  if (single.accessibleName != nullptr) created.SetAccessibleName(single.accessibleName);
}

}  // namespace dct::ui
