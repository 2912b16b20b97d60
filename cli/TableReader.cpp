#include "cli/TableReader.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>

#include "cli/IntegerText.h"
#include "common/QuotedText.h"
#include "model/CosineFactors.h"

namespace dct::cli {
namespace {

// No 16-bit number needs more characters than this, even with a few leading
// zeros; a longer word is reported rather than read on. A decimal number
// gets room for all 17 significant digits of a double, written out.
constexpr std::size_t kMaxWordLength = 32;
constexpr std::size_t kMaxDecimalLength = 64;

bool IsBlank(int c) { return std::isspace(c) != 0; }

// The next whitespace-separated word, or nothing at the end of the stream. A
// word longer than maxLength comes back cut to maxLength + 1.
std::optional<std::string> NextWord(std::istream& in, std::size_t maxLength) {
  std::streambuf& buffer = *in.rdbuf();
  int c = buffer.sgetc();
  while (c != std::char_traits<char>::eof() && IsBlank(c)) c = buffer.snextc();
  if (c == std::char_traits<char>::eof()) return std::nullopt;
  std::string word;
  while (c != std::char_traits<char>::eof() && !IsBlank(c) && word.size() <= maxLength) {
    word += static_cast<char>(c);
    c = buffer.snextc();
  }
  return word;
}

// Where a word stands, as a failure names it: "number 6 (F(5,0))" in a
// table, "number 14 (x=5, y=1)" in a block.
std::string Place(int index, bool pixel) {
  const std::string column = std::to_string(index % kGridSide);
  const std::string row = std::to_string(index / kGridSide);
  return "number " + std::to_string(index + 1) +
         (pixel ? " (x=" + column + ", y=" + row + ")" : " (F(" + column + "," + row + "))");
}

// What the 64 words are: the values of a block in the given form, or, for
// nothing, the 16-bit coefficients of a table.
using WordForm = std::optional<PixelForm>;

Result<double> ParseWord(const std::string& word, WordForm form) {
  if (form == PixelForm::Sums) return ParseDecimal(word, kMaxPixelValue);
  const bool level = form.has_value();
  const auto number =
      level ? ParseInteger(word, kPixelMin, kPixelMax) : ParseInteger(word, kInt16Min, kInt16Max);
  if (!number.ok()) {
    return Failure{number.error() + (level ? " (--levels takes whole pixel values)" : "")};
  }
  return static_cast<double>(number.value());
}

// What may follow the 64 numbers: nothing, or for a block also the line
// "clipped: yes" or "clipped: no" that dct-block prints after its rows. A
// further number is one too many; any other word is named.
std::optional<Failure> ReadEnd(std::istream& in, std::size_t maxLength, bool clippedLine) {
  int number = kGridCount + 1;
  std::optional<std::string> word = NextWord(in, maxLength);
  if (clippedLine && word == "clipped:") {
    const std::optional<std::string> answer = NextWord(in, maxLength);
    if (answer == "yes" || answer == "no") {
      word = NextWord(in, maxLength);
      number += 2;
    }
  }
  if (!word) return std::nullopt;
  if (ParseDecimal(*word, HUGE_VAL).ok()) return Failure{"holds more than 64 numbers"};
  return Failure{"word " + std::to_string(number) + " " + Quoted(*word) + " is not a number"};
}

// Reads exactly 64 words, then ReadEnd. A read error (a folder given as the
// file, a failing device) is reported as such, not as a table that ends
// early: the standard library's file buffers throw on one.
Result<PixelValues> ReadValues(std::istream& in, WordForm form) {
  const bool pixel = form.has_value();
  const std::size_t maxLength = pixel ? kMaxDecimalLength : kMaxWordLength;
  PixelValues values{};
  try {
    for (int index = 0; index < kGridCount; ++index) {
      const std::optional<std::string> word = NextWord(in, maxLength);
      if (!word) return Failure{"ends after " + std::to_string(index) + " of the 64 numbers"};
      if (word->size() > maxLength) {
        return Failure{Place(index, pixel) + " " + Quoted(word->substr(0, 12) + "...") +
                       " is too long"};
      }
      const auto value = ParseWord(*word, form);
      if (!value.ok())
        return Failure{Place(index, pixel) + " " + Quoted(*word) + " " + value.error()};
      values[static_cast<std::size_t>(index)] = value.value();
    }
    if (const auto failure = ReadEnd(in, maxLength, pixel)) return *failure;
  } catch (const std::ios_base::failure& error) {
    return Failure{"cannot be read: " + error.code().message()};
  }
  return values;
}

// ReadValues on the named file, or on standard input for "-" or no name;
// failures name the file as the --table argument, or standard input.
Result<PixelValues> LoadValues(const std::optional<std::string>& path, std::istream& standardInput,
                               WordForm form) {
  const std::string source = path ? Quoted("--table " + *path) : "standard input";
  std::ifstream file;
  if (path && *path != "-") {
    file.open(*path, std::ios::binary);
    if (!file) return Failure{source + ": cannot be opened: " + std::strerror(errno)};
  }
  const auto values = ReadValues(file.is_open() ? file : standardInput, form);
  if (values.ok()) return values;
  return Failure{source + ": " + values.error()};
}

// The table of the values that ReadValues read as 16-bit integers.
Result<CoefTable> ToTable(const Result<PixelValues>& values) {
  if (!values.ok()) return values.failure();
  CoefTable table;
  for (int i = 0; i < kGridCount; ++i) {
    table.set(i, static_cast<std::int16_t>(values.value()[static_cast<std::size_t>(i)]));
  }
  return table;
}

}  // namespace

Result<CoefTable> ReadTable(std::istream& in) { return ToTable(ReadValues(in, std::nullopt)); }

Result<PixelValues> ReadBlock(std::istream& in, PixelForm form) { return ReadValues(in, form); }

Result<CoefTable> LoadTable(const std::string& path, std::istream& standardInput) {
  return ToTable(LoadValues(path, standardInput, std::nullopt));
}

Result<PixelValues> LoadBlock(const std::optional<std::string>& path, std::istream& standardInput,
                              PixelForm form) {
  return LoadValues(path, standardInput, form);
}

}  // namespace dct::cli
