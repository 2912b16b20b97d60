#include "FormBuilder.h"

#include <functional>
#include <string>

namespace dct::ui {
namespace {

template <typename... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <typename... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

void addGrid(platform::Form& form, const GridLayout& grid, Controls& controls) {
  for (int i = 0; i < kGridCount; ++i) {
    platform::TextBoxSettings settings{
        {grid.name, i, GridCell(grid, i), grid.firstTabIndex + i, FingerGridCell(grid, i)},
        grid.text,
        grid.alignment,
        true,
        grid.tabStop};
    platform::TextBox& box = form.AddTextBox(settings);
    box.SetAccessibleName(GridPlaceText(grid.accessibleName, i));
    (controls.*grid.slot)[static_cast<std::size_t>(i)] = &box;
  }
}

// A value that indexes a grid, said as the place of that grid's element.
std::function<std::string(int)> valueText(const char* pattern) {
  if (pattern == nullptr) return {};
  return [pattern](int value) { return GridPlaceText(pattern, value); };
}

void addSingle(platform::Form& form, const SingleControl& single, Controls& controls) {
  const platform::ControlIdentity identity{single.name, -1, single.rect, single.tabIndex,
                                           single.finger};
  platform::Control& created = std::visit(
      Overloaded{
          [&](LabelSlot) -> platform::Control& {
            return form.AddLabel({identity, single.caption});
          },
          [&](platform::TextBox* Controls::*slot) -> platform::Control& {
            return *(controls.*slot =
                         &form.AddTextBox({identity, single.caption, platform::Alignment::Left,
                                           single.enabled, true, single.announcesDescription}));
          },
          [&](platform::ScrollBar* Controls::*slot) -> platform::Control& {
            return *(controls.*slot = &form.AddScrollBar(
                         {identity, single.range, 0, valueText(single.valueText)}));
          },
          [&](platform::CommandButton* Controls::*slot) -> platform::Control& {
            return *(controls.*slot = &form.AddCommandButton({identity, single.caption}));
          },
      },
      single.slot);
  if (single.accessibleName != nullptr) created.SetAccessibleName(single.accessibleName);
}

}  // namespace

Controls BuildControls(platform::Form& form) {
  Controls controls;
  addGrid(form, kPixelGrid, controls);
  addGrid(form, kCoefficientGrid, controls);
  for (const SingleControl& single : kSingleControls) addSingle(form, single, controls);
  form.ApplyTabOrder();
  return controls;
}

}  // namespace dct::ui
