#include "tests/ui/OpenWindow.h"

#include <QTest>
#include <QWidget>
#include <algorithm>

#include "platform/qt/QtAccess.h"

namespace dct::ui::testing_support {

EventTrace::EventTrace(platform::Runtime& runtime) {
  runtime.OnHandler([this](const platform::HandlerName& name, int depth) {
    deepest_ = std::max(deepest_, depth);
    if (name.control == "HScroll2" && name.event == "Change") ++computations_;
  });
}

namespace {

template <typename Opened>
std::unique_ptr<Opened> loadAndShow(std::unique_ptr<Opened> opened, platform::StartupForm& startup,
                                    platform::Form& window) {
  opened->events.runtime.LoadAndShow(startup);
  QWidget* widget = dct::platform::qt::WindowOf(window);
  widget->activateWindow();
  if (!QTest::qWaitForWindowActive(widget)) return nullptr;
  opened->events.trace.ClearNesting();
  return opened;
}

}  // namespace

std::unique_ptr<OpenedWindow> OpenWindow() {
  auto opened = std::make_unique<OpenedWindow>();
  Form1& form = opened->form;
  return loadAndShow(std::move(opened), form, form.PlatformForm());
}

std::unique_ptr<OpenedProgram> OpenWindowAndLesson(ProgramOptions options) {
  auto opened = std::make_unique<OpenedProgram>(std::move(options));
  Program& program = opened->program;
  return loadAndShow(std::move(opened), program, program.MainWindow().PlatformForm());
}

}  // namespace dct::ui::testing_support
