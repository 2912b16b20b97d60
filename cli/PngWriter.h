#pragma once

#include <cstdint>
#include <vector>

namespace dct::cli {

// The PNG colour types written, 8 bits per sample.
enum class PngColour : std::uint8_t { Grey = 0, Rgba = 6 };

// An image as rows of samples from the top: one byte per pixel for Grey,
// four (red, green, blue, alpha) for Rgba.
struct PngImage {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  PngColour colour = PngColour::Grey;
  std::vector<std::uint8_t> samples;
};

// Encodes images as uncompressed PNG files: the zlib stream holds "stored"
// deflate blocks, so no compression library is needed. Files come out a
// little larger than the raw samples, which for a block image is a few
// kilobytes to a few megabytes.
class PngWriter {
 public:
  static int BytesPerPixel(PngColour colour);

  // The whole file. Throws std::invalid_argument when a side is 0 or above
  // 2^31 - 1, the samples do not fill the image exactly, or the image data
  // would not fit one IDAT chunk (about 2 GiB).
  static std::vector<std::uint8_t> Encode(const PngImage& image);

 private:
  static std::vector<std::uint8_t> Scanlines(const PngImage& image);
  static std::vector<std::uint8_t> ZlibStored(const std::vector<std::uint8_t>& data);
  static void AppendChunk(std::vector<std::uint8_t>& file, const char (&type)[5],
                          const std::vector<std::uint8_t>& data);
};

}  // namespace dct::cli
