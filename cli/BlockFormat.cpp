#include "BlockFormat.h"

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
  for (int i = 0; i < kCoefCount; ++i) json << (i == 0 ? "" : ",") << entry(i);
  json << ']';
}

}  // namespace

std::string FormatText(const PixelBlock& block) {
  std::ostringstream text;
  for (int y = 0; y < kBlockSide; ++y) {
    for (int x = 0; x < kBlockSide; ++x) {
      text << std::setw(kTextColumnWidth)
           << block.Pixel[static_cast<std::size_t>(x + kBlockSide * y)];
    }
    text << '\n';
  }
  text << "clipped: " << (block.Clipped ? "yes" : "no") << '\n';
  return text.str();
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
