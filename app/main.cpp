// transformada-dct [--licao] [--seed N] [LINK]: the window, the lesson beside
// it, and a page's link (anything with a "#") opened as the page opens it.
// The toolkit's own options (one dash) are left to it.
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "Program.h"
#include "Runtime.h"

namespace {

constexpr const char* kUsage = "usage: transformada-dct [--licao] [--seed N] [LINK]\n";

std::optional<std::uint32_t> readSeed(std::string_view text) {
  std::uint32_t seed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return seed;
}

// Nothing when an argument is not understood, said on standard error.
std::optional<dct::ui::ProgramOptions> readOptions(int argc, char** argv) {
  dct::ui::ProgramOptions options;
  options.seed = std::random_device{}();
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--licao") {
      options.lesson = true;
    } else if (argument == "--seed" || argument.starts_with("--seed=")) {
      const bool joined = argument.starts_with("--seed=");
      if (!joined && i + 1 == argc) {
        std::fputs("transformada-dct: --seed needs a number\n", stderr);
        return std::nullopt;
      }
      const std::string_view value = joined ? argument.substr(7) : std::string_view(argv[++i]);
      const auto seed = readSeed(value);
      if (!seed) {
        std::fprintf(stderr, "transformada-dct: --seed %.*s: not a number from 0 to 4294967295\n",
                     static_cast<int>(value.size()), value.data());
        return std::nullopt;
      }
      options.seed = *seed;
    } else if (argument.starts_with("--")) {
      std::fprintf(stderr, "transformada-dct: %s: unknown option\n", argv[i]);
      return std::nullopt;
    } else if (argument.find('#') != std::string_view::npos) {
      options.link = argument;
    }
  }
  options.showNotice = [](std::string_view notice) {
    if (!notice.empty())
      std::fprintf(stderr, "transformada-dct: %.*s\n", static_cast<int>(notice.size()),
                   notice.data());
  };
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  auto options = readOptions(argc, argv);
  if (!options) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  return dct::platform::Runtime::Start(
      argc, argv, {[&options] { return std::make_unique<dct::ui::Program>(*options); }});
}
