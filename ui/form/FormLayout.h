#pragma once

#include <array>
#include <string>
#include <variant>

#include "common/Grid.h"
#include "platform/CommandButton.h"
#include "platform/Geometry.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"

// A form as data: each form lists its controls in tables of these, with
// where the form keeps each once created, and FormBuilder.h makes them.
namespace dct::ui {

using platform::Rect;

// A label that nothing changes once it is made: no slot to keep it in.
struct LabelSlot {};

// Says a number as a screen reader or a hint should hear it.
using NumberText = std::string (*)(int value);

// One control of a form's layout, and where the form keeps it once created:
// a member of `Slots`, the form's controls by name.
template <typename Slots>
struct SingleControlOf {
  using Slot = std::variant<LabelSlot, platform::Label * Slots::*, platform::TextBox * Slots::*,
                            platform::ScrollBar * Slots::*, platform::CommandButton * Slots::*,
                            platform::PictureBox * Slots::*>;

  Slot slot;
  const char* name;
  const char* caption;
  Rect rect;    // twips
  Rect finger;  // pixels
  int tabIndex;
  platform::ScrollRange range{};
  int value = 0;
  bool enabled = true;
  // For controls whose caption does not name them to a screen reader.
  const char* accessibleName = nullptr;
  // A scroll bar's value as a screen reader says it; none: the number.
  NumberText valueText = nullptr;
  // A screen reader is told each new description (a text box) or caption (a
  // label) as it comes.
  bool announcesDescription = false;
  bool locked = false;
  bool fixedPitch = false;
  bool interactive = false;
};

// A rectangle given in pixels, as twips.
constexpr Rect Pixels(int left, int top, int width, int height) {
  return {left * platform::kTwipsPerPixel, top * platform::kTwipsPerPixel,
          width * platform::kTwipsPerPixel, height * platform::kTwipsPerPixel};
}

// Where the top-left box of a grid stands, in either layout.
struct GridOrigin {
  int left;
  int top;
};

inline constexpr int kGridPitch = 360;  // twips
inline constexpr int kGridBox = 372;
inline constexpr int kFingerGridPitch = 41;  // pixels
inline constexpr int kFingerGridBox = 42;

// An 8×8 control array of text boxes: element index 8·row + column;
// neighbours overlap by 12 twips (372-twip boxes at a 360-twip pitch), and by
// a pixel for fingers.
template <typename Slots>
struct GridLayoutOf {
  const char* name;
  GridOrigin origin;  // twips
  GridOrigin finger;  // pixels
  int firstTabIndex;
  const char* text;
  platform::Alignment alignment;
  bool tabStop;
  std::array<platform::TextBox*, kGridCount> Slots::*slot;
  // Spoken by screen readers, from the element's index.
  NumberText accessibleName;
};

// The rectangle of a grid's element `index`, in twips and for fingers.
Rect GridCell(GridOrigin origin, int index);
Rect FingerGridCell(GridOrigin finger, int index);

}  // namespace dct::ui
