#pragma once

#include <memory>

#include "app/Program.h"
#include "platform/Runtime.h"
#include "platform/qt/QtBackend.h"
#include "ui/window/Form1.h"

namespace dct::ui::testing_support {

// What the tests read of a runtime's events: how deeply the handlers nested
// since the record was last cleared, and how many blocks the window computed
// (its HScroll2_Change is the one handler that computes one).
class EventTrace {
 public:
  explicit EventTrace(platform::Runtime& runtime);

  int DeepestNesting() const { return deepest_; }
  void ClearNesting() { deepest_ = 0; }
  int BlockComputations() const { return computations_; }

 private:
  int deepest_ = 0;
  int computations_ = 0;
};

// A fresh runtime over the desktop backend, traced: each test's own.
struct TestRuntime {
  platform::qt::QtBackend backend;
  platform::Runtime runtime{backend};
  EventTrace trace{runtime};
};

// The window as the program opens it: loaded, shown and active, with the
// record of handler nesting cleared.
struct OpenedWindow {
  TestRuntime events;
  Form1 form{events.runtime};
};
std::unique_ptr<OpenedWindow> OpenWindow();

// The window with the lesson beside it, as `--licao --seed 1` opens them
// (or with `options`), the window active.
struct OpenedProgram {
  explicit OpenedProgram(ProgramOptions options) : program(events.runtime, std::move(options)) {}
  TestRuntime events;
  Program program;
};
std::unique_ptr<OpenedProgram> OpenWindowAndLesson(
    ProgramOptions options = {
        .lesson = true, .link = {}, .seed = 1, .linkBase = {}, .showNotice = {}});

}  // namespace dct::ui::testing_support
