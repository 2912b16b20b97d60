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
  const auto u = ParseInteger(arg.substr(0, comma), 0, kGridSide - 1);
  if (!u.ok()) return Failure{Quoted(arg) + ": u " + u.error()};
  const auto v = ParseInteger(arg.substr(comma + 1, equals - comma - 1), 0, kGridSide - 1);
  if (!v.ok()) return Failure{Quoted(arg) + ": v " + v.error()};
  const auto value = ParseInteger(arg.substr(equals + 1), kInt16Min, kInt16Max);
  if (!value.ok()) return Failure{Quoted(arg) + ": the value " + value.error()};
  return CoefficientArgument{static_cast<int>(u.value() + kGridSide * v.value()),
                             static_cast<std::int16_t>(value.value())};
}

// Where an argument stood and how to quote it in a failure.
struct Seen {
  std::size_t position;
  std::string shown;
};

// Of the faults found once the whole line is read, the one whose argument
// comes first, so that the report does not depend on the order of checks.
class EarliestFault {
 public:
  void add(const Seen& at, const std::string& why) {
    if (!fault_ || at.position < position_) {
      fault_ = Failure{Quoted(at.shown) + ": " + why};
      position_ = at.position;
    }
  }
  std::optional<Failure> fault() const { return fault_; }

 private:
  std::optional<Failure> fault_;
  std::size_t position_ = 0;
};

enum Mode : unsigned { kReconstruct = 1, kForward = 2, kSheet = 4 };

std::string ModeOption(unsigned mode) {
  return mode == kForward ? "--forward" : mode == kSheet ? "--basis-sheet" : "";
}

// One pass over the arguments; the members hold what earlier arguments said,
// which later ones are checked against (duplicates), and where each option
// stood, for the checks of combinations at the end.
class Parser {
 public:
  explicit Parser(std::span<const std::string_view> args) : args_(args) {}

  Result<CliOptions> run() {
    while (next_ < args_.size() && !stopped()) {
      position_ = next_;
      const std::string_view arg = args_[next_++];
      // "-1,0=5" is a coefficient with a bad u, not an unknown option.
      const bool isOption = arg.size() > 1 && arg[0] == '-' && (arg[1] < '0' || arg[1] > '9');
      if (auto failure = isOption ? option(arg) : coefficient(arg)) return *failure;
    }
    if (!stopped()) {
      if (auto failure = crossCheck()) return *failure;
    }
    return options_;
  }

 private:
  bool stopped() const {
    return options_.action == Action::ShowHelp || options_.action == Action::ShowVersion;
  }

  void remember(std::optional<Seen>& seen, std::string shown) const {
    if (!seen) seen = Seen{position_, std::move(shown)};
  }

  std::optional<Failure> option(std::string_view arg) {
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    std::optional<std::string_view> inlineValue;
    if (equals != std::string_view::npos) inlineValue = arg.substr(equals + 1);

    if (name == "--table" || name == "--png" || name == "--scale" || name == "--basis-sheet" ||
        name == "--value") {
      return valueOption(arg, name, inlineValue);
    }
    std::optional<Seen>* flag = name == "--json"      ? &json_
                                : name == "--forward" ? &forward_
                                : name == "--levels"  ? &levels_
                                : name == "--round"   ? &round_
                                                      : nullptr;
    if (!flag && name != "--help" && name != "-h" && name != "--version") {
      return Failure{Quoted(arg) + ": unknown option (see --help)"};
    }
    if (inlineValue) return Failure{Quoted(arg) + ": " + std::string(name) + " takes no value"};
    if (flag) {
      remember(*flag, std::string(arg));
    } else {
      options_.action = name == "--version" ? Action::ShowVersion : Action::ShowHelp;
    }
    return std::nullopt;
  }

  std::optional<Failure> valueOption(std::string_view arg, std::string_view name,
                                     std::optional<std::string_view> inlineValue) {
    const bool isNumber = name == "--scale" || name == "--value";
    if (!inlineValue && next_ == args_.size()) {
      return Failure{Quoted(arg) + ": needs " + (isNumber ? "a number" : "a file name")};
    }
    const std::string_view value = inlineValue ? *inlineValue : args_[next_++];
    const std::string shown =
        inlineValue ? std::string(arg) : std::string(name) + " " + std::string(value);
    std::optional<Seen>& seen = name == "--table"   ? table_
                                : name == "--png"   ? png_
                                : name == "--scale" ? scale_
                                : name == "--value" ? value_
                                                    : sheet_;
    if (seen) return Failure{Quoted(shown) + ": " + std::string(name) + " is given twice"};
    remember(seen, shown);
    if (name == "--scale") {
      // Its range depends on the image it sizes, known only at the end.
      scaleText_ = value;
      return std::nullopt;
    }
    if (name == "--value") {
      const auto parsed = ParseInteger(value, kInt16Min, kInt16Max);
      if (!parsed.ok()) return Failure{Quoted(shown) + ": the value " + parsed.error()};
      options_.sheetValue = static_cast<std::int16_t>(parsed.value());
      return std::nullopt;
    }
    if (value.empty()) return Failure{Quoted(shown) + ": the file name is empty"};
    if (name != "--table" && value == "-") {
      return Failure{Quoted(shown) + ": the image cannot go to standard output; give a file name"};
    }
    (name == "--table" ? options_.tablePath
     : name == "--png" ? options_.pngPath
                       : options_.sheetPath) = std::string(value);
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
    remember(coefficient_, std::string(arg));
    options_.coefficients.set(index, value);
    return std::nullopt;
  }

  // The first of --forward and --basis-sheet chooses the mode; the other is
  // then refused like any option of another mode.
  unsigned chosenMode() const {
    if (forward_ && (!sheet_ || forward_->position < sheet_->position)) return kForward;
    return sheet_ ? kSheet : kReconstruct;
  }

  // Checks that need the whole command line: which options go together, and
  // the range of --scale.
  std::optional<Failure> crossCheck() {
    const unsigned mode = chosenMode();
    struct Rule {
      const std::optional<Seen>& seen;
      const char* name;
      unsigned modes;
    };
    const Rule rules[] = {
        {coefficient_, "u,v=VALUE", kReconstruct},
        {table_, "--table", kReconstruct | kForward},
        {json_, "--json", kReconstruct | kForward},
        {png_, "--png", kReconstruct},
        {scale_, "--scale", kReconstruct | kSheet},
        {forward_, "--forward", kForward},
        {levels_, "--levels", kForward},
        {round_, "--round", kForward},
        {sheet_, "--basis-sheet", kSheet},
        {value_, "--value", kSheet},
    };
    EarliestFault faults;
    for (const Rule& rule : rules) {
      if (!rule.seen || (rule.modes & mode) != 0) continue;
      // Without a mode an option of one says which it needs; within a mode,
      // what it cannot go with.
      faults.add(*rule.seen,
                 std::string(rule.name) + (mode == kReconstruct
                                               ? " needs " + ModeOption(rule.modes)
                                               : " cannot be combined with " + ModeOption(mode)));
    }
    if (mode == kReconstruct && table_ && coefficient_) {
      // Which of the two should win would be a guess; a script that mixes them
      // is more likely wrong than deliberate.
      faults.add(*coefficient_, "u,v=VALUE cannot be combined with --table");
    }
    if (mode == kReconstruct && scale_ && !png_) {
      faults.add(*scale_, "--scale needs --png or --basis-sheet");
    }
    if (scale_ && mode != kForward) {
      const int maxScale = mode == kSheet ? kMaxSheetScale : kMaxScale;
      const auto scale = ParseInteger(scaleText_, kMinScale, maxScale);
      if (scale.ok()) {
        options_.scale = static_cast<int>(scale.value());
      } else {
        faults.add(*scale_, "the scale " + scale.error());
      }
    } else if (mode == kSheet) {
      options_.scale = kDefaultSheetScale;
    }
    options_.format = json_ ? OutputFormat::Json : OutputFormat::Text;
    options_.levels = levels_.has_value();
    options_.round = round_.has_value();
    options_.action = mode == kForward ? Action::Forward
                      : mode == kSheet ? Action::BasisSheet
                                       : Action::Reconstruct;
    return faults.fault();
  }

  std::span<const std::string_view> args_;
  std::size_t next_ = 0;
  std::size_t position_ = 0;
  CliOptions options_;
  std::array<std::optional<std::string_view>, kGridCount> setBy_{};
  std::optional<Seen> coefficient_, table_, json_, png_, scale_, forward_, levels_, round_, sheet_,
      value_;
  std::string_view scaleText_;
};

}  // namespace

Result<CliOptions> ParseArguments(std::span<const std::string_view> args) {
  return Parser(args).run();
}

}  // namespace dct::cli
