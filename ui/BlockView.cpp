#include "BlockView.h"

#include "Palette.h"

namespace dct::ui {

void ShowBlock(const Controls& controls, const PixelBlock& block) {
  // None of these writes raises an event and nothing is drawn between them,
  // so the indicator gets its final colour at once instead of white and then
  // red once per clipped pixel.
  controls.Text3->SetBackColor(block.Clipped ? kClippedRed : kWhite);
  for (int x = 0; x < kBlockSide; ++x) {
    for (int y = 0; y < kBlockSide; ++y) {
      const auto p = static_cast<std::size_t>(x + kBlockSide * y);
      platform::TextBox& box = *controls.Text1[p];
      box.SetToolTipText(block.ToolTip[p]);
      box.SetText("");
      box.SetBackColor(block.Colour[p]);
    }
  }
}

void ShowClearedBlock(const Controls& controls) {
  controls.Text3->SetBackColor(kWhite);
  for (platform::TextBox* box : controls.Text1) {
    box->SetToolTipText("0");
    box->SetText("");
    box->SetBackColor(kResetGrey);
  }
}

}  // namespace dct::ui
