#include "ui/form/FormLayout.h"

namespace dct::ui {
namespace {

Rect cell(GridOrigin origin, int pitch, int box, int index) {
  return {origin.left + pitch * (index % kGridSide), origin.top + pitch * (index / kGridSide), box,
          box};
}

}  // namespace

Rect GridCell(GridOrigin origin, int index) { return cell(origin, kGridPitch, kGridBox, index); }

Rect FingerGridCell(GridOrigin finger, int index) {
  return cell(finger, kFingerGridPitch, kFingerGridBox, index);
}

}  // namespace dct::ui
