#include "cli/ArgumentParser.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/IntegerText.h"
#include "common/Grid.h"
#include "common/QuotedText.h"
#include "model/CoefficientSetting.h"
#include "model/jpeg/JpegQuantisation.h"
#include "model/picture/ReducedPicture.h"

namespace dct::cli {
namespace {

enum Mode : unsigned { kReconstruct = 1, kForward = 2, kSheet = 4, kPicture = 8, kAnyMode = 15 };

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
    {"--json", "", kReconstruct | kForward | kPicture},
    {"--forward", "", kForward},
    {"--levels", "", kForward},
    {"--round", "", kForward},
    {"--image", kFileName, kPicture},
    {"--block", "X,Y", kPicture},
    {"--quality", "a number", kPicture},
    {"--keep", "a number", kPicture},
    {"--jpeg", kFileName, kPicture},
    {"--help", "", kAnyMode},
    {"-h", "", kAnyMode},
    {"--version", "", kAnyMode},
};
constexpr OptionRule kCoefficient{"u,v=VALUE", "", kReconstruct};

// One argument: an option with its value, or a word that is no option: a
// coefficient or a mistake.
struct Argument {
  std::string typed;  // as the user typed it, to quote in a failure
  const OptionRule* option = nullptr;
  std::optional<std::string> value;
};

// The words as arguments, in order. A long option's name ends at "="; the
// one short option, -h, is followed in its word by its value if anything,
// as in the usual "-hVALUE". An option that takes a value and has none in
// its own word takes the next word, whatever it looks like; but "--png= b"
// is an empty file name followed by a word, as "--png=$FILE" reads with FILE
// unset.
std::vector<Argument> SplitArguments(std::span<const std::string_view> words) {
  std::vector<Argument> arguments;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string_view word = words[i];
    const std::size_t nameEnd = word.starts_with("--") ? word.find('=') : 2;
    const auto rule = std::ranges::find(kOptions, word.substr(0, nameEnd), &OptionRule::name);
    Argument& arg = arguments.emplace_back(Argument{std::string(word), nullptr, {}});
    if (rule == std::end(kOptions)) continue;
    arg.option = rule;
    if (nameEnd < word.size()) {
      arg.value = word.substr(nameEnd + (word[nameEnd] == '=' ? 1 : 0));
    } else if (!rule->value.empty() && i + 1 < words.size()) {
      arg.value = words[++i];
      arg.typed += " " + *arg.value;
    }
  }
  return arguments;
}

std::string_view ModeOption(unsigned mode) {
  switch (mode) {
    case kForward:
      return "--forward";
    case kSheet:
      return "--basis-sheet";
    case kPicture:
      return "--image";
    default:
      return "";
  }
}

// The first of --forward, --basis-sheet and --image chooses the mode; the
// others are then refused like any option of another mode.
unsigned ChosenMode(const std::vector<Argument>& arguments) {
  for (const Argument& arg : arguments) {
    if (arg.option && arg.option->name == ModeOption(arg.option->modes)) return arg.option->modes;
  }
  return kReconstruct;
}

// What keeps a word from setting a coefficient, in dct-block's words.
std::string Describe(const SettingFault& wrong) {
  using Part = SettingFault::Part;
  if (wrong.part == Part::Form) return "expected an option or u,v=VALUE (see --help)";
  const bool value = wrong.part == Part::Value;
  const std::string part = value ? "the value " : wrong.part == Part::U ? "u " : "v ";
  if (!wrong.outside) return part + std::string(kNotDecimalInteger);
  return part + (value ? OutsideRange(kInt16Min, kInt16Max) : OutsideRange(0, kGridSide - 1));
}

Failure Refuse(const Argument& arg, const std::string& why) {
  return Failure{Quoted(arg.typed) + ": " + why};
}

// No picture the lesson shows has more blocks across or down than this, so
// a larger number is wrong whatever the picture.
constexpr int kBlockIndexMax = kLessonSideMax / kGridSide - 1;

// --block's X,Y: the block's column and row, each within 0..kBlockIndexMax;
// whether the picture has that block is only known once it is read.
Result<BlockPosition> ReadBlockPosition(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return Failure{"expected X,Y: the block's column and row"};
  const auto x = ParseInteger(text.substr(0, comma), 0, kBlockIndexMax);
  if (!x.ok()) return Failure{"X " + x.error()};
  const auto y = ParseInteger(text.substr(comma + 1), 0, kBlockIndexMax);
  if (!y.ok()) return Failure{"Y " + y.error()};
  return BlockPosition{static_cast<int>(x.value()), static_cast<int>(y.value())};
}

// Takes the arguments in order, first each on its own, then, when none is at
// fault, with the rest of the line; so the failure names the first culprit
// of the first kind found.
class Parser {
 public:
  explicit Parser(std::span<const std::string_view> words) : arguments_(SplitArguments(words)) {}

  Result<CliOptions> parse() {
    for (const Argument& arg : arguments_) {
      if (const auto why = takeAlone(arg)) return Refuse(arg, *why);
      // --help and --version end the reading where they stand.
      if (arg.option && arg.option->modes == kAnyMode) {
        CliOptions shown;
        shown.action = arg.option->name == "--version" ? Action::ShowVersion : Action::ShowHelp;
        return shown;
      }
    }
    const unsigned mode = ChosenMode(arguments_);
    options_.scale = mode == kSheet ? kDefaultSheetScale : kDefaultScale;
    for (const Argument& arg : arguments_) {
      if (const auto why = takeWithTheRest(arg, mode)) return Refuse(arg, *why);
    }
    options_.tablePath = valueOf("--table");
    options_.pngPath = valueOf("--png");
    options_.sheetPath = valueOf("--basis-sheet");
    options_.imagePath = valueOf("--image");
    options_.jpegPath = valueOf("--jpeg");
    options_.format = first_.contains("--json") ? OutputFormat::Json : OutputFormat::Text;
    options_.levels = first_.contains("--levels");
    options_.round = first_.contains("--round");
    options_.action = mode == kForward   ? Action::Forward
                      : mode == kSheet   ? Action::BasisSheet
                      : mode == kPicture ? (options_.jpegPath ? Action::JpegFile : Action::Picture)
                                         : Action::Reconstruct;
    return options_;
  }

 private:
  std::optional<std::string> valueOf(std::string_view name) const {
    return first_.contains(name) ? first_.at(name)->value : std::nullopt;
  }

  // Why the argument cannot be used whatever else the line holds, if so.
  std::optional<std::string> takeAlone(const Argument& arg) {
    if (!arg.option) return takeCoefficient(arg);
    const std::string name(arg.option->name);
    const bool flag = arg.option->value.empty();
    if (flag && arg.value) return name + " takes no value";
    if (!flag && !arg.value) return "needs " + std::string(arg.option->value);
    if (!first_.try_emplace(arg.option->name, &arg).second && !flag) {
      return name + " is given twice";
    }
    if (name == "--value") {
      const auto value = ParseInteger(*arg.value, kInt16Min, kInt16Max);
      if (!value.ok()) return "the value " + value.error();
      options_.sheetValue = static_cast<std::int16_t>(value.value());
    }
    if (const auto why = takeCompression(name, *arg.value)) return why;
    if (arg.option->value != kFileName) return std::nullopt;
    if (arg.value->empty()) return "the file name is empty";
    const bool read = name == "--table" || name == "--image";
    if (!read && arg.value == kStandardInputName) {
      return "the image cannot go to standard output; give a file name";
    }
    return std::nullopt;
  }

  // --block, --quality and --keep, whose ranges do not depend on the rest.
  std::optional<std::string> takeCompression(const std::string& name, std::string_view value) {
    if (name == "--block") {
      const auto position = ReadBlockPosition(value);
      if (!position.ok()) return position.error();
      options_.block = position.value();
    } else if (name == "--quality") {
      const auto quality = ParseInteger(value, kQualityMin, kQualityMax);
      if (!quality.ok()) return "the quality " + quality.error();
      options_.compression.Quality = static_cast<int>(quality.value());
    } else if (name == "--keep") {
      const auto kept = ParseInteger(value, 0, kGridCount);
      if (!kept.ok()) return "the number kept " + kept.error();
      options_.compression.Kept = static_cast<int>(kept.value());
    }
    return std::nullopt;
  }

  std::optional<std::string> takeCoefficient(const Argument& arg) {
    const std::string_view text = arg.typed;
    // "-1,0=5" is a coefficient with a bad u, not an unknown option.
    if (text.size() > 1 && text[0] == '-' && (text[1] < '0' || text[1] > '9')) {
      return "unknown option (see --help)";
    }
    const auto setting = ReadCoefficientSetting(text, kInt16Min, kInt16Max);
    if (const auto* wrong = std::get_if<SettingFault>(&setting)) return Describe(*wrong);
    const auto [index, value] = std::get<CoefficientSetting>(setting);
    const Argument*& earlier = setBy_[static_cast<std::size_t>(index)];
    if (earlier) return "this coefficient is already set by " + Quoted(earlier->typed);
    earlier = &arg;
    options_.coefficients.set(index, static_cast<std::int16_t>(value));
    return std::nullopt;
  }

  // Why the argument does not go with the rest of the line, if so: with the
  // mode, with --table, --image with --block, and for --scale, whose range
  // depends on the mode.
  std::optional<std::string> takeWithTheRest(const Argument& arg, unsigned mode) {
    const OptionRule& rule = arg.option ? *arg.option : kCoefficient;
    const std::string name(rule.name);
    // Without a mode an option of one says which it needs; within a mode,
    // what it cannot go with.
    if ((rule.modes & mode) == 0) {
      return name + (mode == kReconstruct ? " needs " : " cannot be combined with ") +
             std::string(ModeOption(mode == kReconstruct ? rule.modes : mode));
    }
    // Which of the two should win would be a guess; a script that mixes them
    // is more likely wrong than deliberate.
    if (!arg.option && first_.contains("--table")) return name + " cannot be combined with --table";
    // Without a block there is nothing to print, and no block is a default;
    // the whole picture's file is a mode of its own, and always quantised.
    const bool file = first_.contains("--jpeg");
    if (name == "--image" && !first_.contains("--block") && !file) {
      return "--image needs --block X,Y or --jpeg FILE";
    }
    if (file && (name == "--block" || name == "--json")) {
      return name + " cannot be combined with --jpeg";
    }
    if (name == "--jpeg" && !first_.contains("--quality")) return "--jpeg needs --quality Q";
    if (name != "--scale") return std::nullopt;
    if (mode == kReconstruct && !first_.contains("--png")) {
      return "--scale needs --png or --basis-sheet";
    }
    const auto scale =
        ParseInteger(*arg.value, kMinScale, mode == kSheet ? kMaxSheetScale : kMaxScale);
    if (!scale.ok()) return "the scale " + scale.error();
    options_.scale = static_cast<int>(scale.value());
    return std::nullopt;
  }

  const std::vector<Argument> arguments_;
  CliOptions options_;
  // The first of each option given, by name.
  std::map<std::string_view, const Argument*> first_;
  std::array<const Argument*, kGridCount> setBy_{};
};

}  // namespace

Result<CliOptions> ParseArguments(std::span<const std::string_view> args) {
  return Parser(args).parse();
}

}  // namespace dct::cli
