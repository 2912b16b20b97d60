#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/CoefTable.h"
#include "ui/form/FormLayout.h"

namespace dct::ui {

inline constexpr const char* kTitle = "Transformada DCT";
inline constexpr int kClientWidth = 7860;  // twips
inline constexpr int kClientHeight = 5448;
// The layout for fingers, in pixels: a portrait phone 360 pixels wide less
// a margin of 8 on each side and the window's frame. Its grids put the pixel
// block above the coefficients, its bars span the width, and every box, bar
// arrow and button is at least 40 pixels each way.
inline constexpr int kFingerClientWidth = 342;
inline constexpr int kFingerClientHeight = 920;

// The window's controls, by name, once created.
struct Controls {
  // The pixel block: 64 boxes, painted in the grey of each pixel's value,
  // whose hint is the value; nothing is typed into them.
  std::array<platform::TextBox*, kGridCount> Text1{};
  // The coefficients F(u,v), typed into or set by the value bar; the selected
  // one is highlighted.
  std::array<platform::TextBox*, kGridCount> Text2{};
  // The clipping indicator: red when some pixel was clipped to ±127.
  platform::TextBox* Text3 = nullptr;
  // The selector "Coeficiente", 0..63: the index of the selected coefficient.
  platform::ScrollBar* HScroll1 = nullptr;
  // The value bar "Valor", -100..100: the selected coefficient's value, the
  // one road by which a value other than 0 enters the table.
  platform::ScrollBar* HScroll2 = nullptr;
  // "Reset" (every coefficient 0), "Zero" (the selected one) and "Sair".
  platform::CommandButton* Command1 = nullptr;
  platform::CommandButton* Command2 = nullptr;
  platform::CommandButton* Command3 = nullptr;
};

using GridLayout = GridLayoutOf<Controls>;

// What a screen reader says for a box of each grid.
std::string PixelBoxName(int index);
std::string CoefficientBoxName(int index);

// The pixel boxes are no Tab stops: Tab starts at "Reset" and reaches the
// coefficients without 64 stops on boxes that nothing reads.
inline constexpr GridLayout kPixelGrid{.name = "Text1",
                                       .origin = {360, 120},
                                       .finger = {6, 6},
                                       .firstTabIndex = 0,
                                       .text = "",
                                       .alignment = platform::Alignment::Left,
                                       .tabStop = false,
                                       .slot = &Controls::Text1,
                                       .accessibleName = PixelBoxName};
inline constexpr GridLayout kCoefficientGrid{.name = "Text2",
                                             .origin = {4080, 120},
                                             .finger = {6, 363},
                                             .firstTabIndex = 67,
                                             .text = "0",
                                             .alignment = platform::Alignment::Centre,
                                             .tabStop = true,
                                             .slot = &Controls::Text2,
                                             .accessibleName = CoefficientBoxName};

using SingleControl = SingleControlOf<Controls>;

inline constexpr std::array<SingleControl, 11> kSingleControls{{
    {.slot = LabelSlot{},
     .name = "Label2",
     .caption = "F(0,0)",
     .rect = {3600, 120, 492, 252},
     .finger = {6, 341, 60, 20},
     .tabIndex = 134},
    {.slot = LabelSlot{},
     .name = "Label3",
     .caption = "F(0,7)",
     .rect = {3600, 2760, 492, 372},
     .finger = {6, 696, 60, 20},
     .tabIndex = 135},
    {.slot = LabelSlot{},
     .name = "Label4",
     .caption = "F(7,7)",
     .rect = {7080, 2760, 492, 252},
     .finger = {286, 696, 50, 20},
     .tabIndex = 136},
    {.slot = &Controls::Command1,
     .name = "Command1",
     .caption = "Reset",
     .rect = {840, 3120, 1932, 372},
     .finger = {6, 870, 104, 44},
     .tabIndex = 64},
    {.slot = LabelSlot{},
     .name = "Label1",
     .caption = "Coeficiente",
     .rect = {120, 3720, 972, 252},
     .finger = {6, 722, 120, 20},
     .tabIndex = 132},
    {.slot = &Controls::HScroll1,
     .name = "HScroll1",
     .caption = "",
     .rect = {1080, 3720, 4212, 252},
     .finger = {6, 744, 330, 44},
     .tabIndex = 66,
     .range = {0, 63, 1, 8},
     .accessibleName = "Coeficiente",
     .valueText = CoefficientName},
    {.slot = LabelSlot{},
     .name = "Valor",
     .caption = "Valor",
     .rect = {120, 4200, 852, 252},
     .finger = {6, 796, 120, 20},
     .tabIndex = 133},
    {.slot = &Controls::HScroll2,
     .name = "HScroll2",
     .caption = "",
     .rect = {1080, 4200, 4212, 252},
     .finger = {6, 818, 282, 44},
     .tabIndex = 131,
     .range = {-100, 100, 1, 10},
     .accessibleName = "Valor"},
    {.slot = &Controls::Text3,
     .name = "Text3",
     .caption = "",
     .rect = {5640, 4200, 252, 288},
     .finger = {294, 819, 42, 42},
     .tabIndex = 137,
     .enabled = false,
     .accessibleName = "Indicador de corte",
     .announcesDescription = true},
    {.slot = &Controls::Command2,
     .name = "Command2",
     .caption = "Zero",
     .rect = {2760, 4560, 852, 372},
     .finger = {119, 870, 104, 44},
     .tabIndex = 65},
    {.slot = &Controls::Command3,
     .name = "Command3",
     .caption = "Sair",
     .rect = {6600, 4560, 732, 372},
     .finger = {232, 870, 104, 44},
     .tabIndex = 138},
}};

}  // namespace dct::ui
