#include "BlockFormat.h"

#include <charconv>
#include <cstdio>
#include <iomanip>
#include <sstream>
#include <string_view>

namespace dct::cli {
namespace {

std::string JsonString(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
      json += escaped;
    } else {
      json += c;
    }
  }
  return json + "\"";
}

// Writes "name":[...] with each of the 64 entries that `entry` gives.
template <typename Entry>
void JsonArray(std::ostringstream& json, std::string_view name, Entry entry) {
  json << '"' << name << "\":[";
  for (int i = 0; i < kGridCount; ++i) json << (i == 0 ? "" : ",") << entry(i);
  json << ']';
}

// The shortest text that reads back as the same double: JSON numbers that
// lose nothing. to_chars, unlike printf, ignores the locale.
std::string ShortestText(double value) {
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

std::string TwoDecimals(double value) {
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2).ptr;
  std::string fixed(text, end);
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
  for (int i = 0; i < kGridCount; ++i) {
    text << std::setw(kTextColumnWidth) << rounded.table.at(i)
         << (i % kGridSide == kGridSide - 1 ? "\n" : "");
  }
  text << "pixels:\n"
       << FormatText(rounded.block) << "max difference: " << rounded.maxDifference << '\n';
  return text.str();
}

std::string FormatForwardJson(const ForwardAnalysis& analysis) {
  const auto at = [](int i) { return static_cast<std::size_t>(i); };
  std::ostringstream json;
  json << '{';
  JsonArray(json, "coefficients",
            [&](int i) { return ShortestText(analysis.coefficients[at(i)]); });
  if (const auto& rounded = analysis.rounded) {
    json << ',';
    JsonArray(json, "rounded", [&](int i) { return rounded->table.at(i); });
    json << ',';
    JsonArray(json, "pixels", [&](int i) { return rounded->block.Pixel[at(i)]; });
    json << ",\"max_difference\":" << rounded->maxDifference;
  }
  json << "}\n";
  return json.str();
}

std::string FormatJson(const CoefTable& coefficients, const PixelBlock& block) {
  const auto at = [](int i) { return static_cast<std::size_t>(i); };
  std::ostringstream json;
  json << '{';
  JsonArray(json, "coefficients", [&](int i) { return coefficients.at(i); });
  json << ',';
  JsonArray(json, "pixels", [&](int i) { return block.Pixel[at(i)]; });
  json << ',';
  JsonArray(json, "tooltips", [&](int i) { return JsonString(block.ToolTip[at(i)]); });
  json << ',';
  JsonArray(json, "colours", [&](int i) { return block.Colour[at(i)]; });
  json << ",\"clipped\":" << (block.Clipped ? "true" : "false") << "}\n";
  return json.str();
}

}  // namespace dct::cli
