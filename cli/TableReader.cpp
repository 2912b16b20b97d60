#include "TableReader.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "CosineFactors.h"
#include "IntegerText.h"

namespace dct::cli {
namespace {

// No 16-bit number needs more characters than this, even with a few leading
// zeros; a longer word is reported rather than read on.
constexpr std::size_t kMaxWordLength = 32;

bool IsBlank(int c) { return std::isspace(c) != 0; }

// The next whitespace-separated word, or nothing at the end of the stream. A
// word longer than kMaxWordLength comes back cut to kMaxWordLength + 1.
std::optional<std::string> NextWord(std::istream& in) {
  std::streambuf& buffer = *in.rdbuf();
  int c = buffer.sgetc();
  while (c != std::char_traits<char>::eof() && IsBlank(c)) c = buffer.snextc();
  if (c == std::char_traits<char>::eof()) return std::nullopt;
  std::string word;
  while (c != std::char_traits<char>::eof() && !IsBlank(c) && word.size() <= kMaxWordLength) {
    word += static_cast<char>(c);
    c = buffer.snextc();
  }
  return word;
}

std::string Describe(int index) {
  return "number " + std::to_string(index + 1) + " (F(" + std::to_string(index % kBlockSide) + "," +
         std::to_string(index / kBlockSide) + "))";
}

Result<CoefTable> NamingTheFile(const std::string& path, Result<CoefTable> table) {
  if (table.ok()) return table;
  return Failure{Quoted("--table " + path) + ": " + table.error()};
}

}  // namespace

Result<CoefTable> ReadTable(std::istream& in) {
  CoefTable table;
  for (int index = 0; index < kCoefCount; ++index) {
    const std::optional<std::string> word = NextWord(in);
    if (!word) {
      return Failure{"ends after " + std::to_string(index) + " of the 64 numbers"};
    }
    if (word->size() > kMaxWordLength) {
      return Failure{Describe(index) + " " + Quoted(word->substr(0, 12) + "...") + " is too long"};
    }
    const auto value = ParseInteger(*word, kInt16Min, kInt16Max);
    if (!value.ok()) return Failure{Describe(index) + " " + Quoted(*word) + " " + value.error()};
    table.set(index, static_cast<std::int16_t>(value.value()));
  }
  if (NextWord(in)) return Failure{"holds more than 64 numbers"};
  return table;
}

Result<CoefTable> LoadTable(const std::string& path, std::istream& standardInput) {
  if (path == "-") return NamingTheFile(path, ReadTable(standardInput));
  std::error_code ignored;
  // An open directory reads as an empty file; say what is really wrong.
  if (std::filesystem::is_directory(path, ignored)) {
    return NamingTheFile(path, Failure{"is a directory"});
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return NamingTheFile(path, Failure{std::string("cannot be opened: ") + std::strerror(errno)});
  }
  return NamingTheFile(path, ReadTable(file));
}

}  // namespace dct::cli
