#pragma once

#include <cstddef>

#include "platform/Form.h"
#include "ui/form/FormLayout.h"

namespace dct::ui {

template <typename... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <typename... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

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
    return form.AddLabel({.identity = identity,
                          .caption = single.caption,
                          .fixedPitch = single.fixedPitch,
                          .announcesCaption = single.announcesDescription});
  };
  platform::Control& created = std::visit(
      Overloaded{
          [&](LabelSlot) -> platform::Control& { return addLabel(); },
          [&](platform::Label* Slots::*slot) -> platform::Control& {
            return keep(slot, addLabel());
          },
          [&](platform::TextBox* Slots::*slot) -> platform::Control& {
            return keep(slot, form.AddTextBox({.identity = identity,
                                               .text = single.caption,
                                               .enabled = single.enabled,
                                               .announcesDescription = single.announcesDescription,
                                               .locked = single.locked}));
          },
          [&](platform::ScrollBar* Slots::*slot) -> platform::Control& {
            // A null pointer makes an empty function: the number is said.
            return keep(slot, form.AddScrollBar({.identity = identity,
                                                 .range = single.range,
                                                 .value = single.value,
                                                 .valueText = single.valueText}));
          },
          [&](platform::CommandButton* Slots::*slot) -> platform::Control& {
            return keep(slot, form.AddCommandButton({identity, single.caption}));
          },
          [&](platform::PictureBox* Slots::*slot) -> platform::Control& {
            return keep(slot,
                        form.AddPictureBox({.identity = identity,
                                            .interactive = single.interactive,
                                            .announcesDescription = single.announcesDescription}));
          },
      },
      single.slot);
  if (single.accessibleName != nullptr) created.SetAccessibleName(single.accessibleName);
}

// Creates the 64 boxes of the grid and keeps them in its slot of `controls`.
template <typename Slots>
void AddGrid(platform::Form& form, const GridLayoutOf<Slots>& grid, Slots& controls) {
  for (int i = 0; i < kGridCount; ++i) {
    platform::TextBox& box =
        form.AddTextBox({.identity = {grid.name, i, GridCell(grid.origin, i),
                                      grid.firstTabIndex + i, FingerGridCell(grid.finger, i)},
                         .text = grid.text,
                         .alignment = grid.alignment,
                         .tabStop = grid.tabStop});
    box.SetAccessibleName(grid.accessibleName(i));
    (controls.*grid.slot)[static_cast<std::size_t>(i)] = &box;
  }
}

}  // namespace dct::ui
