#include "OpenWindow.h"

#include <QTest>
#include <QWidget>

#include "QtAccess.h"
#include "QtApplication.h"
#include "Runtime.h"

namespace dct::ui::testing_support {

std::unique_ptr<Form1> OpenWindow() {
  dct::platform::qt::ConfigureApplication();
  auto form = std::make_unique<Form1>();
  platform::Runtime::LoadAndShow(*form);
  QWidget* window = dct::platform::qt::WindowOf(form->Window());
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window)) return nullptr;
  platform::Runtime::ResetDeepestHandlerNesting();
  return form;
}

}  // namespace dct::ui::testing_support
