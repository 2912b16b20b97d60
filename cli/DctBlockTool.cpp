#include "cli/DctBlockTool.h"

#include <QBuffer>

#include <optional>
#include <string>

#include "cli/ArgumentParser.h"
#include "cli/BasisSheet.h"
#include "cli/BlockFormat.h"
#include "cli/BlockImage.h"
#include "cli/ForwardAnalysis.h"
#include "cli/IntegerText.h"
#include "cli/PictureFile.h"
#include "cli/TableReader.h"
#include "common/QuotedText.h"
#include "file/PendingFile.h"
#include "model/ReconstructBlock.h"
#include "model/jpeg/JpegPicture.h"
#include "model/lesson/LessonBlock.h"

#ifndef DCT_VERSION
#error "DCT_VERSION must come from the build (the project version)"
#endif

namespace dct::cli {
namespace {

constexpr std::string_view kUsage = R"(Usage: dct-block [OPTIONS] [u,v=VALUE ...]
       dct-block --forward [--levels] [--round] [--json] [--table FILE]
       dct-block --basis-sheet FILE [--value V] [--scale N]
       dct-block --image FILE --block X,Y [--quality Q] [--keep N] [--json]
       dct-block --image FILE --jpeg OUT --quality Q [--keep N]

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
  --scale N      with --png, draw each pixel as an NxN square, N in 1..256
                 (default 32)
  -h, --help     print this help and exit
  --version      print the version and exit

Forward transform:
  --forward      read a block of 64 values instead, 8 rows of 8 from the top,
                 from --table FILE or standard input, and print the
                 coefficients whose sums, as the window computes them before
                 rounding down, are those values: 8 rows (v) of 8 (u), two
                 decimals each; the values are decimal numbers (such as 12,
                 -3.75 or 1.5e2) within -2097152..2097152, and may be
                 followed by "clipped: yes" or "clipped: no", so that
                 dct-block's own output reads as it comes
  --levels       the values are the window's whole pixel values, -127..127;
                 as the window rounded each sum down, V stands for the sums
                 from V up to V+1 and is taken as V+0.5, the middle
  --round        also round the coefficients to integers, halves to even,
                 limited to -100..100 as the window takes them, and print
                 those, the block they make in the window, and the largest
                 difference from the given block (the values rounded down)
  --json         print {"coefficients":[...]} (all digits) on one line;
                 with --round also "rounded", "pixels" and "max_difference"

Basis sheet:
  --basis-sheet FILE  write a PNG image of the 64 blocks that each single
                 coefficient F(u,v) = V makes, u across, v down, each shaded
                 as the window shades it, with black lines between them
  --value V      the coefficient's value, -32768..32767 (default 100)
  --scale N      draw each pixel as an NxN square, N in 1..32 (default 8)

A block of a picture:
  --image FILE   the picture: a PNG or a baseline or progressive JPEG file
                 (of 67108864 pixels and 1073741824 bytes at most), "-" for
                 standard input, or "-builtin-" for the lesson's own; read
                 with the values stored in it, turned upright by its EXIF
                 orientation, its colours become greys as the lesson makes
                 them, and a side over 512 is reduced by a whole factor as
                 the lesson reduces it
  --block X,Y    the 8x8 block at block column X and row Y, its top left
                 pixel at (8X, 8Y); a partial block at the right or bottom
                 edge is filled by repeating its last column and row
  --quality Q    quantise as JPEG does at quality Q, 1..100 (default: not)
  --keep N       keep only the first N coefficients in zig-zag order, 0..64
                 (default 64)
  Prints the table the lesson enters into the window ("coefficients:", 8
  rows of 8), "pixels:" and the block the window makes of it, then
  "max difference: N" from the picture's block in levels, "psnr: P dB" (or
  "psnr: identical"), "limited: N", the coefficients limited to -100..100;
  then JPEG's own block, "jpeg levels:" and the 64 levels a decoder makes,
  "jpeg max difference: N", "jpeg psnr: P dB" and, with --quality or
  --keep, "jpeg zeroed: N", those the compression made 0 in JPEG's units.
  --json         print {"coefficients":[...],"pixels":[...],"clipped":...,
                 "max_difference":N,"psnr":P|null,"limited":N,"jpeg":
                 {"levels":[...],"max_difference":N,"psnr":P|null,
                 "zeroed":N}}
  --jpeg OUT     instead of a block, write the whole picture (as the lesson
                 reduces it) as the lesson saves it: a baseline grey JPEG
                 file at quality Q (needed), the first N coefficients of
                 each block kept, JPEG's standard Huffman tables

--levels and --round need --forward, --value needs --basis-sheet, and
--block, --jpeg, --quality and --keep need --image, which needs --block or
--jpeg (with --quality); no mode takes u,v=VALUE arguments or --png, and
the modes do not combine.
Options that take a value also accept the form --option=VALUE.

Output: the pixel values, one row per line from the top, then "clipped: yes"
when a value had to be limited to -127..127, else "clipped: no".
--basis-sheet and --jpeg print nothing.

Exit status: 0 on success; 2 on any failure, with one line on standard error
and no image left half-written. The image file is put in place last, after
the block is printed; a failure before that leaves standard output empty.

Examples:
  dct-block 0,0=100 1,0=100
  dct-block --json --png block.png --scale 16 4,4=100
  dct-block 0,0=20 1,0=-100 | dct-block --forward --levels --round
  dct-block --basis-sheet basis.png --value -100 --scale 4
  dct-block --image -builtin- --block 10,12 --quality 50 --keep 10
  dct-block --image -builtin- --jpeg camera.jpg --quality 50
)";

int Fail(std::ostream& err, const std::string& message) {
  err << "dct-block: " << message << '\n';
  return kExitFailure;
}

// A file to write, and the option that named it.
struct ImageFile {
  std::string option;
  std::string path;
  std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> PngBytes(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return {png.begin(), png.end()};
}

// Writes the image file beside its path, prints the text, and only when both
// succeeded puts the file in place: a failure leaves the path as it was, and
// standard output empty unless that last step failed.
int Output(std::ostream& out, std::ostream& err, std::string_view text,
           const std::optional<ImageFile>& image = std::nullopt) {
  std::optional<file::PendingFile> file;
  const auto failed = [&](const std::string& failure) {
    return Fail(err, Quoted(image->option + " " + image->path) + ": " + failure);
  };
  if (image) {
    file.emplace(image->path);
    if (auto failure = file->Write(image->bytes)) return failed(*failure);
  }
  if (!text.empty()) {
    out << text;
    out.flush();
    // Output that could not be written (a full disk) would otherwise pass for
    // success.
    if (!out) return Fail(err, "cannot write to standard output");
  }
  if (file) {
    if (auto failure = file->Commit()) return failed(*failure);
  }
  return kExitSuccess;
}

Result<CoefTable> Coefficients(const CliOptions& options, std::istream& in) {
  if (options.tablePath) return LoadTable(*options.tablePath, in);
  return options.coefficients;
}

int Reconstruct(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
  const auto coefficients = Coefficients(options, in);
  if (!coefficients.ok()) return Fail(err, coefficients.error());
  const PixelBlock block = ReconstructBlock(coefficients.value());
  std::optional<ImageFile> png;
  if (options.pngPath) {
    png = ImageFile{"--png", *options.pngPath, PngBytes(BlockImage(block, options.scale))};
  }
  return Output(out, err,
                options.format == OutputFormat::Json ? FormatJson(coefficients.value(), block)
                                                     : FormatText(block),
                png);
}

int Forward(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
  const PixelForm form = options.levels ? PixelForm::Levels : PixelForm::Sums;
  const auto values = LoadBlock(options.tablePath, in, form);
  if (!values.ok()) return Fail(err, values.error());
  const ForwardAnalysis analysis = AnalyseBlock(values.value(), form, options.round);
  return Output(out, err,
                options.format == OutputFormat::Json ? FormatForwardJson(analysis)
                                                     : FormatForwardText(analysis));
}

int Picture(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
  const auto picture = LoadPicture(*options.imagePath, in);
  if (!picture.ok()) return Fail(err, picture.error());
  const auto levels = PictureBlock(picture.value(), options.block);
  if (!levels.ok()) return Fail(err, levels.error());
  // The lesson's own computation, so that the numbers cannot differ.
  const LessonBlock lesson = ComputeLessonBlock(levels.value(), options.compression);
  const WindowBlock window = CompareWindowBlock(levels.value(), lesson.Table);
  return Output(out, err,
                options.format == OutputFormat::Json
                    ? FormatPictureJson(lesson, window, levels.value())
                    : FormatPictureText(lesson, window, levels.value(), options.compression));
}

// The whole picture as the lesson compresses it, in the file the lesson saves.
int JpegFileOf(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
  const auto picture = LoadPicture(*options.imagePath, in);
  if (!picture.ok()) return Fail(err, picture.error());
  const JpegCompressed compressed =
      JpegPicture(picture.value())
          .Compress({ScaledJpegTable(*options.compression.Quality), options.compression.Kept});
  return Output(out, err, "", ImageFile{"--jpeg", *options.jpegPath, compressed.File});
}

}  // namespace

int RunDctBlock(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                std::ostream& err) {
  const auto options = ParseArguments(args);
  if (!options.ok()) return Fail(err, options.error());
  switch (options.value().action) {
    case Action::ShowHelp:
      return Output(out, err, kUsage);
    case Action::ShowVersion:
      return Output(out, err, std::string("dct-block ") + DCT_VERSION + "\n");
    case Action::Forward:
      return Forward(options.value(), in, out, err);
    case Action::BasisSheet:
      return Output(
          out, err, "",
          ImageFile{"--basis-sheet", *options.value().sheetPath,
                    PngBytes(BasisSheetImage(options.value().sheetValue, options.value().scale))});
    case Action::Picture:
      return Picture(options.value(), in, out, err);
    case Action::JpegFile:
      return JpegFileOf(options.value(), in, out, err);
    case Action::Reconstruct:
      break;
  }
  return Reconstruct(options.value(), in, out, err);
}

}  // namespace dct::cli
