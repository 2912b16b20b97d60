// A long, seeded run of random user actions on the real window, checking
// after each that the window is in step and shows the block of its table.
//   window_random_test [--seed N] [--actions N]
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

#include "tests/random/RandomSession.h"

namespace {

using dct::ui::random_test::Action;
using dct::ui::random_test::ActionGenerator;

struct Options {
  std::uint64_t seed = std::random_device{}();
  std::size_t actions = 20'000;
};

std::optional<Options> parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return std::nullopt;
    const std::string value = argv[++i];
    if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos)
      return std::nullopt;
    const auto number = std::stoull(value);
    if (arg == "--seed") {
      options.seed = number;
    } else if (arg == "--actions") {
      options.actions = number;
    } else {
      return std::nullopt;
    }
  }
  return options;
}

// Checked in rounds on one long session: replaying from the start is only for
// shortening a failure.
std::optional<std::vector<Action>> run(const Options& options) {
  ActionGenerator generator(options.seed);
  std::vector<Action> played;
  std::optional<dct::ui::random_test::RandomSession> session(std::in_place);
  for (std::size_t i = 0; i < options.actions; ++i) {
    played.push_back(generator.Next());
    session->Play(played.back());
    if (const auto broken = session->Check()) {
      std::printf("action %zu (%s) broke a rule: %s\n", i + 1, played.back().Describe().c_str(),
                  broken->c_str());
      return played;
    }
    // A fresh window now and then keeps the run close to what users do and
    // the replay of a failure short.
    if (played.size() == 2000) {
      played.clear();
      session.emplace();
    }
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const auto options = parse(argc, argv);
  if (!options) {
    std::fprintf(stderr, "usage: window_random_test [--seed N] [--actions N]\n");
    return 2;
  }
  QApplication application(argc, argv);
  std::printf("seed %llu, %zu actions\n", static_cast<unsigned long long>(options->seed),
              options->actions);
  std::fflush(stdout);
  const auto failing = run(*options);
  if (!failing) {
    std::printf("%zu passed, 0 failed\n", options->actions);
    return 0;
  }
  const auto shortest = dct::ui::random_test::Shorten(*failing);
  std::printf("seed %llu fails; the shortest list of actions found that still fails (%zu):\n",
              static_cast<unsigned long long>(options->seed), shortest.size());
  for (const Action& action : shortest) std::printf("  %s\n", action.Describe().c_str());
  if (const auto failure = dct::ui::random_test::Replay(shortest)) {
    std::printf("  -> %s\n", failure->message.c_str());
  }
  std::printf("0 passed, 1 failed\n");
  return 1;
}
