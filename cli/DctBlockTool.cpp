#include "DctBlockTool.h"

#include <string>

#include "ArgumentParser.h"
#include "AtomicFile.h"
#include "BlockFormat.h"
#include "BlockImage.h"
#include "IntegerText.h"
#include "ReconstructBlock.h"
#include "TableReader.h"

#ifndef DCT_VERSION
#error "DCT_VERSION must come from the build (the project version)"
#endif

namespace dct::cli {
namespace {

constexpr std::string_view kUsage = R"(Usage: dct-block [OPTIONS] [u,v=VALUE ...]

Prints the 8x8 pixel block that the inverse two-dimensional cosine sum makes
of the coefficients F(u,v), the same computation as Transformada DCT's window.

Each u,v=VALUE sets F(u,v): u is the column (horizontal frequency) and v the
row (vertical frequency), both 0..7; VALUE is a decimal integer within
-32768..32767. Coefficients not given are 0, and each may be given once.

Options:
  --table FILE   read all 64 coefficients from FILE ("-" for standard input):
                 whitespace-separated integers in index order 8*v + u;
                 cannot be combined with u,v=VALUE arguments
  --json         print one JSON object on one line instead of the rows:
                 {"coefficients":[...],"pixels":[...],"tooltips":[...],
                  "colours":[...],"clipped":true|false}, arrays of 64 by index
  --png FILE     also write the block as a grey PNG image to FILE
  --scale N      draw each pixel as an NxN square, N in 1..256 (default 32);
                 needs --png
  -h, --help     print this help and exit
  --version      print the version and exit

Options that take a value also accept the form --option=VALUE.

Output: the pixel values, one row per line from the top, then "clipped: yes"
when a value had to be limited to -127..127, else "clipped: no".

Exit status: 0 on success; 2 on any failure, with one line on standard error
and nothing on standard output.

Examples:
  dct-block 0,0=100 1,0=100
  dct-block --json --png block.png --scale 16 4,4=100
)";

int Fail(std::ostream& err, const std::string& message) {
  err << "dct-block: " << message << '\n';
  return kExitFailure;
}

// Also reports output that could not be written (a full disk), which would
// otherwise pass for success.
int Print(std::ostream& out, std::ostream& err, std::string_view text) {
  out << text;
  out.flush();
  return out ? kExitSuccess : Fail(err, "cannot write to standard output");
}

Result<CoefTable> Coefficients(const CliOptions& options, std::istream& in) {
  if (options.tablePath) return LoadTable(*options.tablePath, in);
  return options.coefficients;
}

std::optional<Failure> WritePng(const std::string& path, const PixelBlock& block, int scale) {
  const auto bytes = PngWriter::Encode(BlockImage(block, scale));
  if (auto failure = WriteFileAtomically(path, bytes)) {
    return Failure{Quoted("--png " + path) + ": " + failure->message};
  }
  return std::nullopt;
}

}  // namespace

int RunDctBlock(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                std::ostream& err) {
  const auto options = ParseArguments(args);
  if (!options.ok()) return Fail(err, options.error());
  switch (options.value().action) {
    case Action::ShowHelp:
      return Print(out, err, kUsage);
    case Action::ShowVersion:
      return Print(out, err, std::string("dct-block ") + DCT_VERSION + "\n");
    case Action::Reconstruct:
      break;
  }
  const auto coefficients = Coefficients(options.value(), in);
  if (!coefficients.ok()) return Fail(err, coefficients.error());
  const PixelBlock block = ReconstructBlock(coefficients.value());
  // The image comes first, so that a failure to write it leaves standard
  // output empty.
  if (const auto& png = options.value().pngPath) {
    if (auto failure = WritePng(*png, block, options.value().scale)) {
      return Fail(err, failure->message);
    }
  }
  return Print(out, err,
               options.value().format == OutputFormat::Json
                   ? FormatJson(coefficients.value(), block)
                   : FormatText(block));
}

}  // namespace dct::cli
