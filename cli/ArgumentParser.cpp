#include "ArgumentParser.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "CosineFactors.h"
#include "IntegerText.h"

namespace dct::cli {
namespace {

struct CoefficientArgument {
  int index;
  std::int16_t value;
};

Result<CoefficientArgument> ParseCoefficient(std::string_view arg) {
  const std::size_t equals = arg.find('=');
  const std::size_t comma = arg.substr(0, equals).find(',');
  if (equals == std::string_view::npos || comma == std::string_view::npos) {
    return Failure{Quoted(arg) + ": expected an option or u,v=VALUE (see --help)"};
  }
  const auto u = ParseInteger(arg.substr(0, comma), 0, kBlockSide - 1);
  if (!u.ok()) return Failure{Quoted(arg) + ": u " + u.error()};
  const auto v = ParseInteger(arg.substr(comma + 1, equals - comma - 1), 0, kBlockSide - 1);
  if (!v.ok()) return Failure{Quoted(arg) + ": v " + v.error()};
  const auto value = ParseInteger(arg.substr(equals + 1), kInt16Min, kInt16Max);
  if (!value.ok()) return Failure{Quoted(arg) + ": the value " + value.error()};
  return CoefficientArgument{static_cast<int>(u.value() + kBlockSide * v.value()),
                             static_cast<std::int16_t>(value.value())};
}

// One pass over the arguments; the members hold what earlier arguments said,
// which later ones are checked against (duplicates, --scale without --png).
class Parser {
 public:
  explicit Parser(std::span<const std::string_view> args) : args_(args) {}

  Result<CliOptions> run() {
    while (next_ < args_.size() && options_.action == Action::Reconstruct) {
      const std::string_view arg = args_[next_++];
      // "-1,0=5" is a coefficient with a bad u, not an unknown option.
      const bool isOption = arg.size() > 1 && arg[0] == '-' && (arg[1] < '0' || arg[1] > '9');
      if (auto failure = isOption ? option(arg) : coefficient(arg)) return *failure;
    }
    if (options_.action == Action::Reconstruct) {
      if (auto failure = crossCheck()) return *failure;
    }
    return options_;
  }

 private:
  std::optional<Failure> option(std::string_view arg) {
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    std::optional<std::string_view> inlineValue;
    if (equals != std::string_view::npos) inlineValue = arg.substr(equals + 1);

    if (name == "--table" || name == "--png" || name == "--scale") {
      return valueOption(arg, name, inlineValue);
    }
    if (name != "--help" && name != "-h" && name != "--version" && name != "--json") {
      return Failure{Quoted(arg) + ": unknown option (see --help)"};
    }
    if (inlineValue) return Failure{Quoted(arg) + ": " + std::string(name) + " takes no value"};
    if (name == "--json") {
      options_.format = OutputFormat::Json;
    } else {
      options_.action = name == "--version" ? Action::ShowVersion : Action::ShowHelp;
    }
    return std::nullopt;
  }

  std::optional<Failure> valueOption(std::string_view arg, std::string_view name,
                                     std::optional<std::string_view> inlineValue) {
    const bool isScale = name == "--scale";
    if (!inlineValue && next_ == args_.size()) {
      return Failure{Quoted(arg) + ": needs " + (isScale ? "a number" : "a file name")};
    }
    const std::string_view value = inlineValue ? *inlineValue : args_[next_++];
    const std::string shown =
        inlineValue ? std::string(arg) : std::string(name) + " " + std::string(value);
    if (isScale) return scale(shown, value);
    std::optional<std::string>& path = name == "--table" ? options_.tablePath : options_.pngPath;
    if (path) return Failure{Quoted(shown) + ": " + std::string(name) + " is given twice"};
    if (value.empty()) return Failure{Quoted(shown) + ": the file name is empty"};
    if (name == "--png" && value == "-") {
      return Failure{Quoted(shown) + ": the image cannot go to standard output; give a file name"};
    }
    path = std::string(value);
    return std::nullopt;
  }

  std::optional<Failure> scale(const std::string& shown, std::string_view value) {
    if (scaleArgument_) return Failure{Quoted(shown) + ": --scale is given twice"};
    const auto scale = ParseInteger(value, kMinScale, kMaxScale);
    if (!scale.ok()) return Failure{Quoted(shown) + ": the scale " + scale.error()};
    options_.scale = static_cast<int>(scale.value());
    scaleArgument_ = shown;
    return std::nullopt;
  }

  std::optional<Failure> coefficient(std::string_view arg) {
    const auto parsed = ParseCoefficient(arg);
    if (!parsed.ok()) return parsed.failure();
    const auto [index, value] = parsed.value();
    std::optional<std::string_view>& earlier = setBy_[static_cast<std::size_t>(index)];
    if (earlier)
      return Failure{Quoted(arg) + ": this coefficient is already set by " + Quoted(*earlier)};
    earlier = arg;
    if (!firstCoefficient_) firstCoefficient_ = arg;
    options_.coefficients.set(index, value);
    return std::nullopt;
  }

  // Checks that need the whole command line.
  std::optional<Failure> crossCheck() const {
    if (options_.tablePath && firstCoefficient_) {
      // Which of the two should win would be a guess; a script that mixes them
      // is more likely wrong than deliberate.
      return Failure{Quoted(*firstCoefficient_) + ": u,v=VALUE cannot be combined with --table"};
    }
    if (scaleArgument_ && !options_.pngPath) {
      return Failure{Quoted(*scaleArgument_) + ": --scale needs --png"};
    }
    return std::nullopt;
  }

  std::span<const std::string_view> args_;
  std::size_t next_ = 0;
  CliOptions options_;
  std::array<std::optional<std::string_view>, kCoefCount> setBy_{};
  std::optional<std::string_view> firstCoefficient_;
  std::optional<std::string> scaleArgument_;
};

}  // namespace

Result<CliOptions> ParseArguments(std::span<const std::string_view> args) {
  return Parser(args).run();
}

}  // namespace dct::cli
