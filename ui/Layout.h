#pragma once

#include <array>
#include <string>
#include <variant>

#include "CommandButton.h"
#include "Geometry.h"
#include "Grid.h"
#include "ScrollBar.h"
#include "TextBox.h"

namespace dct::ui {

using platform::Rect;

inline constexpr const char* kTitle = "Transformada DCT";
inline constexpr int kClientWidth = 7860;  // twips
inline constexpr int kClientHeight = 5448;

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

// An 8×8 control array: element index 8·row + column; neighbours overlap by
// 12 twips (372-twip boxes at a 360-twip pitch).
struct GridLayout {
  const char* name;
  int left;
  int top;
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

// The pixel boxes are no Tab stops: Tab starts at "Reset" and reaches the
// coefficients without 64 stops on boxes that nothing reads.
inline constexpr GridLayout kPixelGrid{"Text1",
                                       360,
                                       120,
                                       0,
                                       "",
                                       platform::Alignment::Left,
                                       false,
                                       &Controls::Text1,
                                       "Pixel da coluna {column}, linha {row}"};
inline constexpr GridLayout kCoefficientGrid{"Text2",
                                             4080,
                                             120,
                                             67,
                                             "0",
                                             platform::Alignment::Centre,
                                             true,
                                             &Controls::Text2,
                                             "Coeficiente F({column},{row})"};

Rect GridCell(const GridLayout& grid, int index);
std::string GridAccessibleName(const GridLayout& grid, int index);

struct LabelSlot {};
using ControlSlot =
    std::variant<LabelSlot, platform::TextBox * Controls::*, platform::ScrollBar * Controls::*,
                 platform::CommandButton * Controls::*>;

struct SingleControl {
  ControlSlot slot;
  const char* name;
  const char* caption;
  Rect rect;
  int tabIndex;
  platform::ScrollRange range{};
  bool enabled = true;
  // For controls whose caption does not name them to a screen reader.
  const char* accessibleName = nullptr;
};

inline constexpr std::array<SingleControl, 11> kSingleControls{{
    {LabelSlot{}, "Label2", "F(0,0)", {3600, 120, 492, 252}, 134},
    {LabelSlot{}, "Label3", "F(0,7)", {3600, 2760, 492, 372}, 135},
    {LabelSlot{}, "Label4", "F(7,7)", {7080, 2760, 492, 252}, 136},
    {&Controls::Command1, "Command1", "Reset", {840, 3120, 1932, 372}, 64},
    {LabelSlot{}, "Label1", "Coeficiente", {120, 3720, 972, 252}, 132},
    {&Controls::HScroll1,
     "HScroll1",
     "",
     {1080, 3720, 4212, 252},
     66,
     {0, 63, 1, 8},
     true,
     "Coeficiente"},
    {LabelSlot{}, "Valor", "Valor", {120, 4200, 852, 252}, 133},
    {&Controls::HScroll2,
     "HScroll2",
     "",
     {1080, 4200, 4212, 252},
     131,
     {-100, 100, 1, 10},
     true,
     "Valor"},
    {&Controls::Text3, "Text3", "", {5640, 4200, 252, 288}, 137, {}, false, "Indicador de corte"},
    {&Controls::Command2, "Command2", "Zero", {2760, 4560, 852, 372}, 65},
    {&Controls::Command3, "Command3", "Sair", {6600, 4560, 732, 372}, 138},
}};

}  // namespace dct::ui
