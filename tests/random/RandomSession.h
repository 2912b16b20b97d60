#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "tests/random/Action.h"
#include "tests/ui/OpenWindow.h"
#include "ui/window/Form1.h"

class QWidget;

namespace dct::ui::random_test {

// A fresh window, with the lesson beside it, driven through QTest input
// only, checked after each action.
class RandomSession {
 public:
  RandomSession();
  ~RandomSession();

  void Play(const Action& action);
  // The first broken rule of a settled window, if any.
  std::optional<std::string> Check() const;
  const Form1& Window() const { return opened_->program.MainWindow(); }
  const Lesson& LessonForm() const { return *opened_->program.LessonForm(); }

 private:
  QWidget* focused() const;
  void playOnBar(const Action& action);
  void playOnLesson(const Action& action);
  void noteReset();

  std::unique_ptr<testing_support::OpenedProgram> opened_;
  Form1* form_ = nullptr;
  int computationsAtReset_ = 0;
  bool lastOnLesson_ = false;
};

struct Failure {
  std::size_t index;  // the action after which a rule broke
  std::string message;
};

// Plays the actions on a fresh window; the first failure, if any.
std::optional<Failure> Replay(const std::vector<Action>& actions);

// The shortest list found (by removing ever smaller runs of actions) that
// still fails.
std::vector<Action> Shorten(std::vector<Action> actions);

}  // namespace dct::ui::random_test
