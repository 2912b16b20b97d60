#pragma once

#include <variant>

#include "CommandButton.h"
#include "Geometry.h"
#include "Label.h"
#include "PictureBox.h"
#include "ScrollBar.h"
#include "TextBox.h"

namespace dct::ui {

using platform::Rect;

// A label that nothing changes once it is made: no slot to keep it in.
struct LabelSlot {};

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
  // A scroll bar's value as a screen reader says it: {column} and {row} of
  // the grid element that the value indexes; none: the number.
  const char* valueText = nullptr;
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

}  // namespace dct::ui
