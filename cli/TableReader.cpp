#include "TableReader.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>

#include "CosineFactors.h"
#include "IntegerText.h"

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

std::string Describe(int index) {
  return "number " + std::to_string(index + 1) + " (F(" + std::to_string(index % kGridSide) + "," +
         std::to_string(index / kGridSide) + "))";
}

std::string DescribePixel(int index) {
  return "number " + std::to_string(index + 1) + " (x=" + std::to_string(index % kGridSide) +
         ", y=" + std::to_string(index / kGridSide) + ")";
}

// `read` on the stream. A read error (a folder given as the file, a failing
// device) is reported as such, not as a table that ends early: the standard
// library's file buffers throw on one.
template <typename T, typename Read>
Result<T> ReadStream(std::istream& in, Read read) {
  try {
    return read(in);
  } catch (const std::ios_base::failure& error) {
    return Failure{"cannot be read: " + error.code().message()};
  }
}

// Runs `read` on the named file or, for "-", on standard input; failures name
// the file as the --table argument.
template <typename T, typename Read>
Result<T> LoadFile(const std::string& path, std::istream& standardInput, Read read) {
  const auto named = [&path](Result<T> result) -> Result<T> {
    if (result.ok()) return result;
    return Failure{Quoted("--table " + path) + ": " + result.error()};
  };
  if (path == "-") return named(ReadStream<T>(standardInput, read));
  std::ifstream file(path, std::ios::binary);
  if (!file) return named(Failure{std::string("cannot be opened: ") + std::strerror(errno)});
  return named(ReadStream<T>(file, read));
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

// Reads exactly 64 words, handing each with its index to `take`, which
// gives the reason why it cannot be used, or nothing; then ReadEnd.
template <typename Take>
std::optional<Failure> ReadWords(std::istream& in, std::size_t maxLength, bool clippedLine,
                                 std::string (*describe)(int), Take take) {
  for (int index = 0; index < kGridCount; ++index) {
    const std::optional<std::string> word = NextWord(in, maxLength);
    if (!word) return Failure{"ends after " + std::to_string(index) + " of the 64 numbers"};
    if (word->size() > maxLength) {
      return Failure{describe(index) + " " + Quoted(word->substr(0, 12) + "...") + " is too long"};
    }
    if (const std::optional<std::string> reason = take(index, *word)) {
      return Failure{describe(index) + " " + Quoted(*word) + " " + *reason};
    }
  }
  return ReadEnd(in, maxLength, clippedLine);
}

Result<double> ParsePixel(const std::string& word, PixelForm form) {
  if (form == PixelForm::Sums) return ParseDecimal(word, kMaxPixelValue);
  const auto level = ParseInteger(word, kPixelMin, kPixelMax);
  if (!level.ok()) return Failure{level.error() + " (--levels takes whole pixel values)"};
  return static_cast<double>(level.value());
}

}  // namespace

Result<CoefTable> ReadTable(std::istream& in) {
  CoefTable table;
  const auto failure =
      ReadWords(in, kMaxWordLength, false, Describe,
                [&](int index, const std::string& word) -> std::optional<std::string> {
                  const auto value = ParseInteger(word, kInt16Min, kInt16Max);
                  if (!value.ok()) return value.error();
                  table.set(index, static_cast<std::int16_t>(value.value()));
                  return std::nullopt;
                });
  if (failure) return *failure;
  return table;
}

Result<PixelValues> ReadBlock(std::istream& in, PixelForm form) {
  PixelValues values{};
  const auto failure =
      ReadWords(in, kMaxDecimalLength, true, DescribePixel,
                [&](int index, const std::string& word) -> std::optional<std::string> {
                  const auto value = ParsePixel(word, form);
                  if (!value.ok()) return value.error();
                  values[static_cast<std::size_t>(index)] = value.value();
                  return std::nullopt;
                });
  if (failure) return *failure;
  return values;
}

Result<CoefTable> LoadTable(const std::string& path, std::istream& standardInput) {
  return LoadFile<CoefTable>(path, standardInput, ReadTable);
}

Result<PixelValues> LoadBlock(const std::optional<std::string>& path, std::istream& standardInput,
                              PixelForm form) {
  const auto read = [form](std::istream& in) { return ReadBlock(in, form); };
  if (path) return LoadFile<PixelValues>(*path, standardInput, read);
  const auto values = ReadStream<PixelValues>(standardInput, read);
  if (values.ok()) return values;
  return Failure{"standard input: " + values.error()};
}

}  // namespace dct::cli
