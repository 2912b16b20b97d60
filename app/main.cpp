// transformada-dct [--licao] [--seed N] [LINK]: the window, the lesson beside
// it, and a page's link (anything with a "#") opened as the page opens it.
// Any other argument without two dashes (but -h) is left to the toolkit.
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "app/Program.h"
#include "common/QuotedText.h"
#include "platform/Backend.h"
#include "platform/Runtime.h"

namespace {

// The usage line, which also follows a refused argument, and what --help adds.
constexpr std::string_view kUsage = "usage: transformada-dct [--licao] [--seed N] [LINK]\n";
constexpr std::string_view kHelp = R"(
Opens Transformada DCT's window: the 8x8 pixel block that the inverse
two-dimensional cosine sum makes of the coefficients F(u,v), which you set.
Its texts are in Portuguese.

Options:
  --licao        open the lesson beside the window: a photograph whose 8x8
                 blocks go into the window, JPEG's compression of them, and
                 challenges; "Abrir imagem" takes a PNG or a baseline or
                 progressive JPEG file of your own (of 67108864 pixels and
                 1073741824 bytes at most), read with the values stored in
                 it, turned upright by its EXIF orientation, made grey and,
                 with a side over 512, reduced by a whole factor; a partial
                 block at the right or bottom edge is filled by repeating its
                 last column and row, as JPEG encoders fill it
  --seed N       start the sequence of challenges that "Novo desafio" makes
                 from N, 0..4294967295, so that it is the same each time
  -h, --help     print this help and exit
  --version      print the version and exit
  LINK           the text of a link to the page edition, "#0,0=100&1,0=-40"
                 or "#desafio=...", or a whole address ending in either:
                 opened as the page opens it (a challenge in the lesson); a
                 link that cannot be read is ignored, with a line on
                 standard error
Any other argument that does not begin with two dashes is left to Qt.

The window needs a graphical display; QT_QPA_PLATFORM=offscreen runs it
without one, showing nothing.

Exit status: 0 when the window is closed; 1 when no graphical display can be
opened, with one line on standard error; 2 for an argument that is not
understood, with a line on standard error.
)";

// What the command line asks for: the window, or only a text.
enum class Only { Window, Help, Version };
struct CommandLine {
  dct::ui::ProgramOptions options;
  Only only = Only::Window;
};

std::optional<std::uint32_t> readSeed(std::string_view text) {
  std::uint32_t seed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return seed;
}

// Nothing when an argument is not understood, said on standard error.
std::optional<CommandLine> readCommandLine(int argc, char** argv) {
  CommandLine line;
  dct::ui::ProgramOptions& options = line.options;
  options.seed = std::random_device{}();
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      line.only = Only::Help;
    } else if (argument == "--version") {
      line.only = Only::Version;
    } else if (argument == "--licao") {
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
        std::fprintf(stderr, "transformada-dct: %s: not a number from 0 to 4294967295\n",
                     dct::Quoted("--seed " + std::string(value)).c_str());
        return std::nullopt;
      }
      options.seed = *seed;
    } else if (argument.starts_with("--")) {
      std::fprintf(stderr, "transformada-dct: %s: unknown option\n", dct::Quoted(argument).c_str());
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
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  const auto line = readCommandLine(argc, argv);
  if (!line) {
    std::fwrite(kUsage.data(), 1, kUsage.size(), stderr);
    return 2;
  }
  if (line->only == Only::Help) {
    std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
    std::fwrite(kHelp.data(), 1, kHelp.size(), stdout);
    return 0;
  }
  if (line->only == Only::Version) {
    std::fputs("transformada-dct " DCT_VERSION "\n", stdout);
    return 0;
  }
  const auto backend = dct::platform::OpenBackend(argc, argv);
  dct::platform::Runtime runtime(*backend);
  dct::ui::Program program(runtime, line->options);
  return runtime.Run(program);
}
