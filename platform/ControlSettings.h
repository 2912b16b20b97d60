#pragma once

#include <string>

#include "Geometry.h"
#include "IndexedImage.h"

namespace dct::platform {

// What every control has: a name (with an index for an element of a control
// array), a place on the form and a position in the Tab order.
struct ControlIdentity {
  std::string name;
  int index = -1;  // -1: not an array element
  Rect rect;
  int tabIndex = 0;

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
};

struct CommandButtonSettings {
  ControlIdentity identity;
  std::string caption;
};

struct LabelSettings {
  ControlIdentity identity;
  std::string caption;
};

struct FormSettings {
  std::string title;
  int clientWidth = 0;  // twips
  int clientHeight = 0;
  IndexedImage icon;
};

}  // namespace dct::platform
