#pragma once

#include <QPoint>
#include <QRect>
#include <QScrollBar>
#include <functional>
#include <vector>

namespace dct::ui::testing_support {

// Where a user's click lands on a scroll bar, from the style's own geometry.
QPoint LeftArrow(const QScrollBar* bar);
QPoint RightArrow(const QScrollBar* bar);
QPoint TrackLeftOfThumb(const QScrollBar* bar);
QPoint TrackRightOfThumb(const QScrollBar* bar);
QRect ThumbRect(const QScrollBar* bar);

// Presses the thumb with the mouse, moves it so that the bar reads each value
// in turn (calling `during` after each move) and releases it. Returns false if
// a move did not land on its value.
bool DragThumb(QScrollBar* bar, const std::vector<int>& values,
               const std::function<void(int)>& during = {});

}  // namespace dct::ui::testing_support
