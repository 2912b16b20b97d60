#include "tests/random/Action.h"

#include <Qt>
#include <array>

namespace dct::ui::random_test {
namespace {

// Pieces a user may type: digits most often, then signs, points, letters,
// blanks and letters outside ASCII.
constexpr std::array<const char*, 24> kPieces{
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "5",
    "-", "-", ".", ".", "e", "a", "x", " ", " ", "ç", "ã", "+",
};

constexpr std::array<int, 6> kEditKeys{Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
                                       Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End};
constexpr std::array<int, 8> kBarKeys{Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                                      Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};

const char* kindName(Action::Kind kind) {
  switch (kind) {
    case Action::Kind::ClickCoefficientBox:
      return "click coefficient box";
    case Action::Kind::ClickPixelBox:
      return "click pixel box";
    case Action::Kind::Type:
      return "type";
    case Action::Kind::PasteDigits:
      return "paste digits";
    case Action::Kind::ClearText:
      return "select all and delete";
    case Action::Kind::EditKey:
      return "edit key";
    case Action::Kind::Tab:
      return "Tab";
    case Action::Kind::BackTab:
      return "Shift+Tab";
    case Action::Kind::ArrowClick:
      return "arrow click";
    case Action::Kind::TrackClick:
      return "track click";
    case Action::Kind::ThumbDrag:
      return "thumb drag";
    case Action::Kind::BarKey:
      return "key on bar";
    case Action::Kind::Zero:
      return "Zero";
    case Action::Kind::Reset:
      return "Reset";
    case Action::Kind::PictureClick:
      return "click on the picture";
    case Action::Kind::PictureKey:
      return "key on the picture";
    case Action::Kind::LessonBarKey:
      return "key on lesson bar";
    case Action::Kind::LessonButton:
      return "lesson button";
  }
  return "?";
}

}  // namespace

std::string Action::Describe() const {
  std::string out = kindName(kind);
  if (bar != 0) out += " on bar " + std::to_string(bar);
  if (kind == Kind::Type) {
    out += " \"";
    out += text;
    out += "\"";
  } else if (number != 0) {
    out += " " + std::to_string(number);
  }
  if (!values.empty()) {
    out += " through";
    for (const int v : values) out += " " + std::to_string(v);
  }
  return out;
}

int ActionGenerator::below(int bound) {
  return static_cast<int>(random_() % static_cast<std::uint64_t>(bound));
}

std::string ActionGenerator::randomText() {
  std::string text;
  const int pieces = 1 + below(5);
  for (int i = 0; i < pieces; ++i) text += kPieces[static_cast<std::size_t>(below(kPieces.size()))];
  return text;
}

Action ActionGenerator::Next() {
  Action action;
  const int roll = below(110);
  using K = Action::Kind;
  if (roll < 18) {
    action.kind = K::ClickCoefficientBox;
    action.number = below(64);
  } else if (roll < 22) {
    action.kind = K::ClickPixelBox;
    action.number = below(64);
  } else if (roll < 42) {
    action.kind = K::Type;
    action.text = randomText();
  } else if (roll < 43) {
    action.kind = K::PasteDigits;
    action.number = 100'000;
  } else if (roll < 46) {
    action.kind = K::ClearText;
  } else if (roll < 52) {
    action.kind = K::EditKey;
    action.number = kEditKeys[static_cast<std::size_t>(below(kEditKeys.size()))];
  } else if (roll < 58) {
    action.kind = K::Tab;
  } else if (roll < 61) {
    action.kind = K::BackTab;
  } else if (roll < 71) {
    action.kind = below(2) == 0 ? K::ArrowClick : K::TrackClick;
    action.bar = 1 + below(2);
    action.number = below(2) == 0 ? -1 : 1;
  } else if (roll < 79) {
    action.kind = K::ThumbDrag;
    action.bar = 1 + below(2);
    const int low = action.bar == 1 ? 0 : -100;
    const int span = action.bar == 1 ? 64 : 201;
    const int steps = 1 + below(4);
    for (int i = 0; i < steps; ++i) action.values.push_back(low + below(span));
  } else if (roll < 90) {
    action.kind = K::BarKey;
    action.bar = 1 + below(2);
    action.number = kBarKeys[static_cast<std::size_t>(below(kBarKeys.size()))];
  } else if (roll < 96) {
    action.kind = K::Zero;
  } else if (roll < 100) {
    action.kind = K::Reset;
  } else if (roll < 103) {
    action.kind = K::PictureClick;
    action.values = {below(256), below(256)};
  } else if (roll < 105) {
    action.kind = K::PictureKey;
    action.number = kBarKeys[static_cast<std::size_t>(below(kBarKeys.size()))];
  } else if (roll < 108) {
    action.kind = K::LessonBarKey;
    action.bar = 3 + below(3);
    action.number = kBarKeys[static_cast<std::size_t>(below(kBarKeys.size()))];
  } else {
    action.kind = K::LessonButton;
    action.number = 1 + below(5);
  }
  return action;
}

}  // namespace dct::ui::random_test
