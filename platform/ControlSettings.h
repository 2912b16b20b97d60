#pragma once

#include <functional>
#include <string>

#include "platform/Geometry.h"
#include "platform/IndexedImage.h"

namespace dct::platform {

// What every control has: a name (with an index for an element of a control
// array), a place on the form and a position in the Tab order; and, where the
// form has one, its place in the layout for fingers.
struct ControlIdentity {
  std::string name;
  int index = -1;  // -1: not an array element
  Rect rect;
  int tabIndex = 0;
  // In pixels, on a narrow touch screen; empty: no layout for fingers. A
  // toolkit that shows only the desktop's window ignores it.
  Rect fingerRect;

  // As a handler or a failure names it: "Text2(5)", "HScroll1".
  std::string Name() const;
};

enum class Alignment { Left, Centre };

struct TextBoxSettings {
  ControlIdentity identity;
  std::string text;
  Alignment alignment = Alignment::Left;
  bool enabled = true;
  bool tabStop = true;
  // A screen reader is told each new description as it comes (a status).
  bool announcesDescription = false;
  // Shows its text for reading and copying; the user cannot change it.
  bool locked = false;
};

// A scroll bar's values and how far an arrow (small) and the track (large)
// move it.
struct ScrollRange {
  int min = 0;
  int max = 0;
  int smallChange = 1;
  int largeChange = 1;
};

struct ScrollBarSettings {
  ControlIdentity identity;
  ScrollRange range;
  int value = 0;
  // What a screen reader says for a value; empty: the number.
  std::function<std::string(int)> valueText;
};

struct CommandButtonSettings {
  ControlIdentity identity;
  std::string caption;
};

struct LabelSettings {
  ControlIdentity identity;
  std::string caption;
  // Every character as wide as the next, for columns of numbers; a line
  // break in the caption starts a new line.
  bool fixedPitch = false;
  // A screen reader is told each new caption as it comes (a status).
  bool announcesCaption = false;
};

struct PictureBoxSettings {
  ControlIdentity identity;
  // Takes the focus and reports the pointer, the keys and images.
  bool interactive = false;
  // A screen reader is told each new description as it comes (a status).
  bool announcesDescription = false;
};

struct FormSettings {
  std::string title;
  int clientWidth = 0;  // twips
  int clientHeight = 0;
  IndexedImage icon{};
  // The client area of the layout for fingers, in pixels; 0: none.
  int fingerClientWidth = 0;
  int fingerClientHeight = 0;
  // Where a page puts the window: the id of its element.
  std::string pageElement = "program";
  // A window beside the program's main one: closing it leaves the program
  // running.
  bool secondary = false;
};

}  // namespace dct::platform
