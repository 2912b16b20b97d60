#pragma once

#include <array>
#include <string>
#include <string_view>

#include "CommandButton.h"
#include "ControlLayout.h"
#include "Geometry.h"
#include "Grid.h"
#include "ScrollBar.h"
#include "TextBox.h"

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

// The form's controls, by name, once created.
struct Controls {
  std::array<platform::TextBox*, kGridCount> Text1{};
  std::array<platform::TextBox*, kGridCount> Text2{};
  platform::TextBox* Text3 = nullptr;
  platform::ScrollBar* HScroll1 = nullptr;
  platform::ScrollBar* HScroll2 = nullptr;
  platform::CommandButton* Command1 = nullptr;
  platform::CommandButton* Command2 = nullptr;
  platform::CommandButton* Command3 = nullptr;
};

// Where the top-left box of a grid stands, in either layout.
struct GridOrigin {
  int left;
  int top;
};

// An 8×8 control array: element index 8·row + column; neighbours overlap by
// 12 twips (372-twip boxes at a 360-twip pitch), and by a pixel for fingers.
struct GridLayout {
  const char* name;
  GridOrigin origin;  // twips
  GridOrigin finger;  // pixels
  int firstTabIndex;
  const char* text;
  platform::Alignment alignment;
  bool tabStop;
  std::array<platform::TextBox*, kGridCount> Controls::*slot;
  // Spoken by screen readers; {column} and {row} stand for the box's place.
  const char* accessibleName;
};

inline constexpr int kGridPitch = 360;
inline constexpr int kGridBox = 372;
inline constexpr int kFingerGridPitch = 41;  // pixels
inline constexpr int kFingerGridBox = 42;

// The pixel boxes are no Tab stops: Tab starts at "Reset" and reaches the
// coefficients without 64 stops on boxes that nothing reads.
inline constexpr GridLayout kPixelGrid{"Text1",
                                       {360, 120},
                                       {6, 6},
                                       0,
                                       "",
                                       platform::Alignment::Left,
                                       false,
                                       &Controls::Text1,
                                       "Pixel da coluna {column}, linha {row}"};
inline constexpr GridLayout kCoefficientGrid{"Text2",
                                             {4080, 120},
                                             {6, 363},
                                             67,
                                             "0",
                                             platform::Alignment::Centre,
                                             true,
                                             &Controls::Text2,
                                             "Coeficiente F({column},{row})"};

Rect GridCell(const GridLayout& grid, int index);
Rect FingerGridCell(const GridLayout& grid, int index);
// The text with {column} and {row} replaced by the place of the grid's
// element `index`.
std::string GridPlaceText(std::string_view pattern, int index);

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
     .valueText = "F({column},{row})"},
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
