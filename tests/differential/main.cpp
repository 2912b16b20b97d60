// The desktop half of the differential test (differential.mjs drives both):
//   window_differential --seed N --actions N
//     writes the seeded list of actions, one JSON line each;
//   window_differential --play
//     reads lines: "new" opens a fresh window, any other line is an action to
//     play on it; answers each with the window's state as one JSON line.
#include <QApplication>
#include <QLineEdit>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

#include "tests/differential/ActionJson.h"
#include "tests/differential/WindowState.h"
#include "tests/random/RandomSession.h"

namespace {

using dct::ui::differential::Action;
using dct::ui::random_test::RandomSession;

std::optional<unsigned long long> number(const char* text) {
  const std::string value = text;
  if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::stoull(value);
}

// The clipboard is left out: the page would read only what the test itself
// had put on the browser's clipboard, not anything the user did.
int writeActions(unsigned long long seed, unsigned long long count) {
  dct::ui::random_test::ActionGenerator generator(seed);
  for (unsigned long long written = 0; written < count;) {
    const Action action = generator.Next();
    if (action.kind == Action::Kind::PasteDigits) continue;
    std::printf("%s\n", dct::ui::differential::ActionToJson(action).c_str());
    ++written;
  }
  return 0;
}

// Left and Right in a box with a selection are left out: Qt's offscreen
// platform moves the cursor as on Windows, one character from where it stands,
// while a browser (and Qt on a Linux or Mac desktop) puts it at the
// selection's edge. page-player.mjs leaves out the same.
bool movesWithinSelection(const Action& action) {
  const auto* edit = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
  return action.kind == Action::Kind::EditKey && edit != nullptr && edit->hasSelectedText() &&
         (action.number == Qt::Key_Left || action.number == Qt::Key_Right);
}

int play() {
  std::optional<RandomSession> session;
  for (std::string line; std::getline(std::cin, line);) {
    if (line == "new") {
      session.reset();
      session.emplace();
    } else if (const auto action = dct::ui::differential::ActionFromJson(line); action && session) {
      if (!movesWithinSelection(*action)) session->Play(*action);
    } else {
      std::fprintf(stderr, "window_differential: cannot play \"%s\"\n", line.c_str());
      return 2;
    }
    // Between a user's actions the window repaints; a line edit only then
    // places its text, which decides where the next click in it lands.
    QCoreApplication::processEvents();
    std::cout << dct::ui::differential::WindowStateJson(session->Window(), session->LessonForm())
              << std::endl;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  const std::string mode = argc > 1 ? argv[1] : "";
  if (argc == 2 && mode == "--play") return play();
  if (argc == 5 && mode == "--seed" && std::string(argv[3]) == "--actions") {
    const auto seed = number(argv[2]);
    const auto count = number(argv[4]);
    if (seed && count) return writeActions(*seed, *count);
  }
  std::fprintf(stderr, "usage: window_differential --seed N --actions N | --play\n");
  return 2;
}
