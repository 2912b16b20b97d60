#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace dct::ui::random_test {

// One thing a user does to the window, as data, so that a failing run can be
// replayed and shortened.
struct Action {
  enum class Kind {
    ClickCoefficientBox,
    ClickPixelBox,
    Type,         // text into the focused box
    PasteDigits,  // `number` digits from the clipboard into the focused box
    ClearText,    // select all and delete in the focused box
    EditKey,      // `number`: a Qt key (Backspace, Delete, arrows, Home, End)
    Tab,
    BackTab,
    ArrowClick,  // `bar` 1 or 2; `number` -1 left, +1 right
    TrackClick,  // as ArrowClick, in the track beside the thumb
    ThumbDrag,   // `values`: the positions the thumb passes
    BarKey,      // `number`: a Qt key, on the focused bar
    Zero,
    Reset,
    // The lesson beside the window:
    PictureClick,  // `values`: the pixel x, y of the picture clicked
    PictureKey,    // `number`: an arrow key, on the picture
    LessonBarKey,  // `bar` 3 quality, 4 coefficients kept, 5 level; `number`: a Qt key
    LessonButton,  // `number` 1 "Novo desafio", 2 "Dica", 3 "Criar desafio"
  };

  bool OnLesson() const { return kind >= Kind::PictureClick; }

  Kind kind = Kind::Tab;
  int bar = 0;
  int number = 0;
  std::string text;
  std::vector<int> values;

  std::string Describe() const;
};

// Draws actions from a seeded generator; the same seed gives the same list
// on every machine.
class ActionGenerator {
 public:
  explicit ActionGenerator(std::uint64_t seed) : random_(seed) {}
  Action Next();

 private:
  int below(int bound);
  std::string randomText();

  std::mt19937_64 random_;
};

}  // namespace dct::ui::random_test
