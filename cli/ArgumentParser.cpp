#include "ArgumentParser.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Grid.h"
#include "IntegerText.h"

namespace dct::cli {
namespace {

enum Mode : unsigned { kReconstruct = 1, kForward = 2, kSheet = 4, kAnyMode = 7 };

// An option: what its value is ("" for a flag) and the modes it belongs to.
struct OptionRule {
  std::string_view name;
  std::string_view value;
  unsigned modes;
};

constexpr std::string_view kFileName = "a file name";
constexpr OptionRule kOptions[] = {
    {"--table", kFileName, kReconstruct | kForward},
    {"--png", kFileName, kReconstruct},
    {"--scale", "a number", kReconstruct | kSheet},
    {"--basis-sheet", kFileName, kSheet},
    {"--value", "a number", kSheet},
    {"--json", "", kReconstruct | kForward},
    {"--forward", "", kForward},
    {"--levels", "", kForward},
    {"--round", "", kForward},
    {"--help", "", kAnyMode},
    {"-h", "", kAnyMode},
    {"--version", "", kAnyMode},
};
constexpr OptionRule kCoefficient{"u,v=VALUE", "", kReconstruct};

// One argument as read: an option with its value (none when it was missing),
// or a word that is no known option: a coefficient or a mistake.
struct Argument {
  std::size_t position = 0;
  std::string typed;  // as the user typed it, to quote in a failure
  const OptionRule* option = nullptr;
  std::optional<std::string> value;
};

// The arguments in the order given. CLI11 recognises the options and their
// values. It takes the arguments off the back of the reversed list it is
// given, so the list's length at an option's callback tells where the option
// ended; what it stops at (a value missing at the end, a flag given a value)
// is the last argument it took.
std::vector<Argument> ReadArguments(std::span<const std::string_view> args) {
  const std::vector<std::string> typed(args.begin(), args.end());
  std::vector<std::string> left(typed.rbegin(), typed.rend());
  std::vector<bool> taken(typed.size());
  std::vector<Argument> read;
  const auto note = [&](const OptionRule* option, std::optional<std::string> value) {
    std::size_t first = typed.size() - left.size() - 1, last = first;
    const std::string name(option ? option->name : "");
    // Given apart, the value follows the option; but "--png= b" is an empty
    // file name followed by a word, not the name "b".
    if (option && value && typed[last] != name + "=" + *value && typed[--first] == name + "=") {
      value = "";
      last = first;
    }
    std::fill(taken.begin() + static_cast<std::ptrdiff_t>(first),
              taken.begin() + static_cast<std::ptrdiff_t>(last + 1), true);
    const std::string shown = first == last ? typed[first] : typed[first] + " " + typed[last];
    read.push_back({first, shown, option, value});
  };
  CLI::App app;
  app.set_help_flag();
  app.allow_extras();
  for (const OptionRule& rule : kOptions) {
    const OptionRule* option = &rule;
    if (rule.value.empty()) {
      app.add_flag_function(std::string(rule.name),
                            [&note, option](std::int64_t) { note(option, std::nullopt); })
          ->disable_flag_override()
          ->trigger_on_parse();
    } else {
      app.add_option_function<std::string>(
             std::string(rule.name),
             [&note, option](const std::string& value) { note(option, value); })
          ->trigger_on_parse();
    }
  }
  try {
    app.parse(left);
  } catch (const CLI::ParseError&) {
    if (left.size() == typed.size()) throw;  // a fault of the options' set-up, not of the line
    const std::string& culprit = typed[typed.size() - left.size() - 1];
    const auto rule =
        std::ranges::find(kOptions, culprit.substr(0, culprit.find('=')), &OptionRule::name);
    note(rule == std::end(kOptions) ? nullptr : rule,
         culprit.ends_with('=') ? std::optional<std::string>("") : std::nullopt);
  }
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (!taken[i]) read.push_back({i, typed[i], nullptr, std::nullopt});
  }
  std::ranges::stable_sort(read, {}, &Argument::position);
  return read;
}

std::string ModeOption(unsigned mode) {
  return mode == kForward ? "--forward" : mode == kSheet ? "--basis-sheet" : "";
}

// Takes the arguments in order, keeping the first of each option and the
// earliest fault. Faults in single arguments come first; those of
// combinations are looked for only when there are none.
class Parser {
 public:
  void take(const Argument& arg) {
    if (!arg.option) return word(arg);
    const std::string name(arg.option->name);
    const bool flag = arg.option->value.empty();
    if (flag && arg.typed != name) return fault(arg, name + " takes no value");
    if (!flag && !arg.value) return fault(arg, "needs " + std::string(arg.option->value));
    if (arg.option->modes == kAnyMode && !stop_) stop_ = arg;
    if (!seen_.try_emplace(arg.option->name, arg).second && !flag) {
      return fault(arg, name + " is given twice");
    }
    if (name == "--value") {
      const auto value = integer(arg, *arg.value, "the value ", kInt16Min, kInt16Max);
      options_.sheetValue = static_cast<std::int16_t>(value.value_or(kDefaultSheetValue));
    } else if (arg.option->value == kFileName && arg.value->empty()) {
      fault(arg, "the file name is empty");
    } else if (arg.option->value == kFileName && name != "--table" && arg.value == "-") {
      fault(arg, "the image cannot go to standard output; give a file name");
    }
  }

  Result<CliOptions> finish() {
    // --help and --version end the reading where they stand.
    if (stop_ && (!fault_ || stop_->position < fault_->first)) {
      options_.action = stop_->option->name == "--version" ? Action::ShowVersion : Action::ShowHelp;
      return options_;
    }
    if (!fault_) checkCombinations();
    if (fault_) return Failure{fault_->second};
    return options_;
  }

 private:
  bool has(std::string_view name) const { return seen_.contains(name); }

  std::optional<std::string> valueOf(std::string_view name) const {
    return has(name) ? seen_.at(name).value : std::nullopt;
  }

  // Of the faults, the one whose argument comes first, so that the report
  // does not depend on the order of checks.
  void fault(const Argument& at, const std::string& why) {
    if (!fault_ || at.position < fault_->first)
      fault_.emplace(at.position, Quoted(at.typed) + ": " + why);
  }

  // The whole number that `text`, a part of the argument, stands for.
  std::optional<long long> integer(const Argument& arg, std::string_view text,
                                   const std::string& what, long long min, long long max) {
    const auto number = ParseInteger(text, min, max);
    if (number.ok()) return number.value();
    fault(arg, what + number.error());
    return std::nullopt;
  }

  void word(const Argument& arg) {
    const std::string_view text = arg.typed;
    // "-1,0=5" is a coefficient with a bad u, not an unknown option.
    if (text.size() > 1 && text[0] == '-' && (text[1] < '0' || text[1] > '9')) {
      return fault(arg, "unknown option (see --help)");
    }
    const std::size_t equals = text.find('='), comma = text.substr(0, equals).find(',');
    if (equals == std::string::npos || comma == std::string::npos) {
      return fault(arg, "expected an option or u,v=VALUE (see --help)");
    }
    const auto u = integer(arg, text.substr(0, comma), "u ", 0, kGridSide - 1);
    const auto v =
        u ? integer(arg, text.substr(comma + 1, equals - comma - 1), "v ", 0, kGridSide - 1)
          : std::nullopt;
    const auto value = v ? integer(arg, text.substr(equals + 1), "the value ", kInt16Min, kInt16Max)
                         : std::nullopt;
    if (!value) return;
    const auto index = static_cast<int>(*u + kGridSide * *v);
    std::optional<std::string>& earlier = setBy_[static_cast<std::size_t>(index)];
    if (earlier) return fault(arg, "this coefficient is already set by " + Quoted(*earlier));
    earlier = arg.typed;
    seen_.try_emplace(kCoefficient.name, Argument{arg.position, arg.typed, &kCoefficient, {}});
    options_.coefficients.set(index, static_cast<std::int16_t>(*value));
  }

  // The first of --forward and --basis-sheet chooses the mode; the other is
  // then refused like any option of another mode.
  unsigned chosenMode() const {
    const auto forward = seen_.find("--forward"), sheet = seen_.find("--basis-sheet");
    if (forward == seen_.end()) return sheet == seen_.end() ? kReconstruct : kSheet;
    return sheet == seen_.end() || forward->second.position < sheet->second.position ? kForward
                                                                                     : kSheet;
  }

  // Which options go together, and the range of --scale, which depends on
  // the mode.
  void checkCombinations() {
    const unsigned mode = chosenMode();
    for (const auto& [name, arg] : seen_) {
      // Without a mode an option of one says which it needs; within a mode,
      // what it cannot go with.
      if ((arg.option->modes & mode) != 0) continue;
      fault(arg, std::string(name) + (mode == kReconstruct
                                          ? " needs " + ModeOption(arg.option->modes)
                                          : " cannot be combined with " + ModeOption(mode)));
    }
    if (mode == kReconstruct && has("--table") && has(kCoefficient.name)) {
      // Which of the two should win would be a guess; a script that mixes them
      // is more likely wrong than deliberate.
      fault(seen_.at(kCoefficient.name), "u,v=VALUE cannot be combined with --table");
    }
    if (mode == kReconstruct && has("--scale") && !has("--png")) {
      fault(seen_.at("--scale"), "--scale needs --png or --basis-sheet");
    }
    options_.scale = mode == kSheet ? kDefaultSheetScale : kDefaultScale;
    if (has("--scale") && mode != kForward) {
      const int max = mode == kSheet ? kMaxSheetScale : kMaxScale;
      options_.scale = static_cast<int>(
          integer(seen_.at("--scale"), *valueOf("--scale"), "the scale ", kMinScale, max)
              .value_or(0));
    }
    options_.tablePath = valueOf("--table");
    options_.pngPath = valueOf("--png");
    options_.sheetPath = valueOf("--basis-sheet");
    options_.format = has("--json") ? OutputFormat::Json : OutputFormat::Text;
    options_.levels = has("--levels");
    options_.round = has("--round");
    options_.action = mode == kForward ? Action::Forward
                      : mode == kSheet ? Action::BasisSheet
                                       : Action::Reconstruct;
  }

  CliOptions options_;
  std::map<std::string_view, Argument> seen_;
  std::array<std::optional<std::string>, kGridCount> setBy_{};
  std::optional<std::pair<std::size_t, std::string>> fault_;
  std::optional<Argument> stop_;  // the first --help or --version
};

}  // namespace

Result<CliOptions> ParseArguments(std::span<const std::string_view> args) {
  Parser parser;
  for (const Argument& arg : ReadArguments(args)) parser.take(arg);
  return parser.finish();
}

}  // namespace dct::cli
