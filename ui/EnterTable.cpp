#include "EnterTable.h"

#include <string>

#include "Runtime.h"

namespace dct::ui {

void ClearWindow(Form1& window) {
  platform::Runtime::Raise({"Command1", "Click"}, [&window] { window.Command1_Click(); });
}

void EnterTable(Form1& window, const CoefTable& table) {
  ClearWindow(window);
  for (int i = 0; i < kGridCount; ++i) {
    const auto value = table.at(i);
    if (value != 0) {
      window.Widgets().Text2[static_cast<std::size_t>(i)]->SetText(std::to_string(value));
    }
  }
  platform::Runtime::Raise({"Text2", "Click", 0}, [&window] { window.Text2_Click(0); });
}

}  // namespace dct::ui
