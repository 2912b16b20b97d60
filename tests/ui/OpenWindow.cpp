#include "tests/ui/OpenWindow.h"

#include <QTest>
#include <QWidget>

#include "platform/Runtime.h"
#include "platform/qt/QtAccess.h"
#include "platform/qt/QtApplication.h"

namespace dct::ui::testing_support {

namespace {

template <typename Opened>
std::unique_ptr<Opened> loadAndShow(std::unique_ptr<Opened> opened, platform::Form& window) {
  platform::Runtime::LoadAndShow(*opened);
  QWidget* widget = dct::platform::qt::WindowOf(window);
  widget->activateWindow();
  if (!QTest::qWaitForWindowActive(widget)) return nullptr;
  platform::Runtime::ResetDeepestHandlerNesting();
  return opened;
}

}  // namespace

std::unique_ptr<Form1> OpenWindow() {
  dct::platform::qt::ConfigureApplication();
  auto form = std::make_unique<Form1>();
  platform::Form& window = form->Window();
  return loadAndShow(std::move(form), window);
}

std::unique_ptr<Program> OpenWindowAndLesson() {
  dct::platform::qt::ConfigureApplication();
  auto program = std::make_unique<Program>(
      ProgramOptions{.lesson = true, .link = {}, .seed = 1, .linkBase = {}, .showNotice = {}});
  platform::Form& window = program->Window().Window();
  return loadAndShow(std::move(program), window);
}

}  // namespace dct::ui::testing_support
