#include "FormBuilder.h"

#include "ControlBuilder.h"

namespace dct::ui {
namespace {

void addGrid(platform::Form& form, const GridLayout& grid, Controls& controls) {
  for (int i = 0; i < kGridCount; ++i) {
    platform::TextBoxSettings settings{
        {grid.name, i, GridCell(grid, i), grid.firstTabIndex + i, FingerGridCell(grid, i)},
        grid.text,
        grid.alignment,
        true,
        grid.tabStop,
        false,
        false};
    platform::TextBox& box = form.AddTextBox(settings);
    box.SetAccessibleName(GridPlaceText(grid.accessibleName, i));
    (controls.*grid.slot)[static_cast<std::size_t>(i)] = &box;
  }
}

}  // namespace

Controls BuildControls(platform::Form& form) {
  Controls controls;
  addGrid(form, kPixelGrid, controls);
  addGrid(form, kCoefficientGrid, controls);
  for (const SingleControl& single : kSingleControls) AddSingle(form, single, controls);
  form.ApplyTabOrder();
  return controls;
}

}  // namespace dct::ui
