#include "ui/window/BlockView.h"

#include "common/Colour.h"

namespace dct::ui {
namespace {

// Said by a screen reader, so that the indicator does not rely on red alone.
constexpr const char* kClippedDescription = "Algum pixel foi cortado para o limite de 127 ou -127";
constexpr const char* kNotClippedDescription = "Nenhum pixel foi cortado";

void showClipping(platform::TextBox& indicator, bool clipped) {
  indicator.SetBackColor(clipped ? kClippedRed : kWhite);
  indicator.SetAccessibleDescription(clipped ? kClippedDescription : kNotClippedDescription);
}

}  // namespace

void ShowBlock(const PixelBoxes& pixels, platform::TextBox& indicator, const PixelBlock& block) {
  // None of these writes raises an event and nothing is drawn between them,
  // so the indicator gets its final colour at once instead of white and then
  // red once per clipped pixel.
  showClipping(indicator, block.Clipped);
  for (int x = 0; x < kGridSide; ++x) {
    for (int y = 0; y < kGridSide; ++y) {
      const auto p = static_cast<std::size_t>(x + kGridSide * y);
      platform::TextBox& box = *pixels[p];
      box.SetToolTipText(block.ToolTip[p]);
      box.SetText("");
      box.SetBackColor(block.Colour[p]);
    }
  }
}

void ShowClearedBlock(const PixelBoxes& pixels, platform::TextBox& indicator) {
  showClipping(indicator, false);
  for (platform::TextBox* box : pixels) {
    box->SetToolTipText("0");
    box->SetText("");
    box->SetBackColor(kResetGrey);
  }
}

}  // namespace dct::ui
