#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/jpeg/JpegBlockCode.h"
#include "model/jpeg/JpegQuantisation.h"
#include "model/picture/GreyImage.h"

namespace dct {

// How a picture is compressed: quantised with Steps, or not at all, then
// only the first Kept coefficients (0..64, else the nearer end) of each
// block in zig-zag order kept.
struct JpegSetting {
  std::optional<StepTable> Steps;
  int Kept = kGridCount;
};

struct JpegCompressed {
  // The steps the file holds: the setting's, or all 1 without quantisation.
  StepTable Steps{};
  // Each block's quantised values, JPEG's grid row by row: what the file
  // codes. Without quantisation, the coefficients rounded to whole numbers.
  std::vector<QuantisedBlock> Blocks;
  // The picture decoded, as large as the original. Without quantisation it
  // comes from the real coefficients kept, not from the file's whole
  // numbers, and with all 64 kept it is the original.
  GreyImage Decoded;
  // The JPEG file of Blocks and Steps (JpegFileBytes).
  std::vector<std::uint8_t> File;
};

// A picture's blocks transformed once (JpegForward of each block of JPEG's
// grid, the partial ones filled as ImageBlock fills them), to be compressed
// with setting after setting.
class JpegPicture {
 public:
  explicit JpegPicture(const GreyImage& image);

  // Throws std::invalid_argument for steps outside 1..255.
  JpegCompressed Compress(const JpegSetting& setting) const;

 private:
  int width_;
  int height_;
  int blocksAcross_;
  int blocksDown_;
  std::vector<JpegCoefficients> coefficients_;
};

// The symbols that code block `index` (row by row) of `compressed`, after
// the block before it. Throws std::out_of_range for an index beyond them.
JpegBlockCode CodeOfBlock(const JpegCompressed& compressed, std::size_t index);

}  // namespace dct
