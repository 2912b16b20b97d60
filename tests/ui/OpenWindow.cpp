#include "OpenWindow.h"

#include <QTest>
#include <QWidget>

#include "Runtime.h"

namespace dct::ui::testing_support {

std::unique_ptr<Form1> OpenWindow() {
  platform::Runtime::ConfigureApplication();
  auto form = std::make_unique<Form1>();
  platform::Runtime::LoadAndShow(*form);
  QWidget* window = form->Window().widget();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window)) return nullptr;
  platform::Runtime::ResetDeepestHandlerNesting();
  return form;
}

}  // namespace dct::ui::testing_support
