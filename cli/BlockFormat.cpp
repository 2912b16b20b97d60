#include "cli/BlockFormat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string_view>

namespace dct::cli {
namespace {

using Json = nlohmann::ordered_json;

// The fewest digits that read back as the same double, and a whole number
// without a fraction ("8", not nlohmann's "8.0"): every integer below 2^53 is
// a double exactly.
Json Number(double value) {
  constexpr double kExactIntegers = 9007199254740992.0;
  if (value == std::trunc(value) && std::fabs(value) < kExactIntegers) {
    return static_cast<std::int64_t>(value);
  }
  return value;
}

Json Table(const CoefTable& table) {
  Json entries = Json::array();
  for (int i = 0; i < kGridCount; ++i) entries.push_back(table.at(i));
  return entries;
}

std::string Fixed(double value) {
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2).ptr;
  return std::string(text, end);
}

std::string TwoDecimals(double value) {
  std::string fixed = Fixed(value);
  // -0.004 is as much zero as 0.004 on a grid read by people.
  if (fixed[0] == '-' && fixed.find_first_of("123456789") == std::string::npos) fixed.erase(0, 1);
  const auto width = static_cast<std::size_t>(kCoefficientColumnWidth);
  return std::string(fixed.size() < width ? width - fixed.size() : 1, ' ') + fixed;
}

void CoefficientRows(std::ostringstream& text, const RealCoefficients& coefficients) {
  for (std::size_t i = 0; i < coefficients.size(); ++i) {
    text << TwoDecimals(coefficients[i]) << (i % kGridSide == kGridSide - 1 ? "\n" : "");
  }
}

void TableRows(std::ostringstream& text, const CoefTable& table) {
  for (int i = 0; i < kGridCount; ++i) {
    text << std::setw(kTextColumnWidth) << table.at(i)
         << (i % kGridSide == kGridSide - 1 ? "\n" : "");
  }
}

std::string PsnrLine(const std::optional<double>& psnr) {
  return psnr ? PsnrText(*psnr, '.') + " dB" : "identical";
}

Json PsnrNumber(const std::optional<double>& psnr) {
  return psnr ? Json(ShownPsnr(*psnr)) : Json(nullptr);
}

}  // namespace

std::string FormatText(const PixelBlock& block) {
  std::ostringstream text;
  for (int y = 0; y < kGridSide; ++y) {
    for (int x = 0; x < kGridSide; ++x) {
      text << std::setw(kTextColumnWidth)
           << block.Pixel[static_cast<std::size_t>(x + kGridSide * y)];
    }
    text << '\n';
  }
  text << "clipped: " << (block.Clipped ? "yes" : "no") << '\n';
  return text.str();
}

std::string FormatForwardText(const ForwardAnalysis& analysis) {
  std::ostringstream text;
  if (!analysis.rounded) {
    CoefficientRows(text, analysis.coefficients);
    return text.str();
  }
  const RoundedCoefficients& rounded = *analysis.rounded;
  text << "coefficients:\n";
  CoefficientRows(text, analysis.coefficients);
  text << "rounded:\n";
  TableRows(text, rounded.table);
  text << "pixels:\n"
       << FormatText(rounded.block) << "max difference: " << rounded.maxDifference << '\n';
  return text.str();
}

std::string FormatForwardJson(const ForwardAnalysis& analysis) {
  Json coefficients = Json::array();
  for (const double value : analysis.coefficients) coefficients.push_back(Number(value));
  Json json{{"coefficients", coefficients}};
  if (const auto& rounded = analysis.rounded) {
    json["rounded"] = Table(rounded->table);
    json["pixels"] = rounded->block.Pixel;
    json["max_difference"] = rounded->maxDifference;
  }
  return json.dump() + "\n";
}

std::string FormatJson(const CoefTable& coefficients, const PixelBlock& block) {
  Json json{{"coefficients", Table(coefficients)}, {"pixels", block.Pixel}};
  json["tooltips"] = Json::array();
  for (const std::string_view tip : block.ToolTip) json["tooltips"].push_back(std::string(tip));
  json["colours"] = block.Colour;
  json["clipped"] = block.Clipped;
  return json.dump() + "\n";
}

std::string FormatPictureText(const LessonBlock& lesson, const WindowBlock& window,
                              const BlockLevels& original, const Compression& compression) {
  std::ostringstream text;
  text << "coefficients:\n";
  TableRows(text, lesson.Table);
  text << "pixels:\n"
       << FormatText(window.Block) << "max difference: " << window.MaxDifference << '\n'
       << "psnr: " << PsnrLine(window.Psnr) << '\n'
       << "limited: " << lesson.Limited << '\n'
       << "jpeg levels:\n";
  for (std::size_t p = 0; p < lesson.JpegLevels.size(); ++p) {
    text << std::setw(kTextColumnWidth) << int{lesson.JpegLevels[p]}
         << (p % kGridSide == kGridSide - 1 ? "\n" : "");
  }
  text << "jpeg max difference: " << MaxDifference(original, lesson.JpegLevels) << '\n'
       << "jpeg psnr: " << PsnrLine(Psnr(original, lesson.JpegLevels)) << '\n';
  if (compression.Quality || compression.Kept < kGridCount) {
    text << "jpeg zeroed: " << lesson.ZeroedCount << '\n';
  }
  return text.str();
}

std::string FormatPictureJson(const LessonBlock& lesson, const WindowBlock& window,
                              const BlockLevels& original) {
  Json json{{"coefficients", Table(lesson.Table)}, {"pixels", window.Block.Pixel}};
  json["clipped"] = window.Block.Clipped;
  json["max_difference"] = window.MaxDifference;
  json["psnr"] = PsnrNumber(window.Psnr);
  json["limited"] = lesson.Limited;
  json["jpeg"] = {{"levels", lesson.JpegLevels},
                  {"max_difference", MaxDifference(original, lesson.JpegLevels)},
                  {"psnr", PsnrNumber(Psnr(original, lesson.JpegLevels))},
                  {"zeroed", lesson.ZeroedCount}};
  return json.dump() + "\n";
}

}  // namespace dct::cli
