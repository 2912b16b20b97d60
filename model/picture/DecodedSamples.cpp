// The only file that includes the decoder, stb_image (public domain), copied
// from Debian's libstb-dev into the build at configure time with the mends
// of cmake/StbImage.cmake. It is built without SIMD, so that every build
// runs the same scalar code; without files, HDR or linear light; with PNG
// and JPEG only, the formats whose structure is checked before they reach
// it; and without its failure strings, which are never shown.
#include <cstdlib>
#include <limits>

#include "common/PictureLimits.h"
#include "model/picture/DecodedSamples.h"

namespace {

// Whether the decoder's last request for memory was refused: in a page
// memory runs out at 2 GB, which must not be taken for a damaged file.
thread_local bool memoryRefused = false;

void* Allocate(std::size_t size) {
  void* block = std::malloc(size);
  if (block == nullptr) memoryRefused = true;
  return block;
}

void* Reallocate(void* block, std::size_t size) {
  void* moved = std::realloc(block, size);
  if (moved == nullptr) memoryRefused = true;
  return moved;
}

}  // namespace

#define STBI_NO_SIMD
#define STBI_NO_STDIO
#define STBI_NO_HDR
#define STBI_NO_LINEAR
#define STBI_NO_FAILURE_STRINGS
// Its checks of its own workings would print and abort in a debug build;
// every build runs without them, as the released and fuzzed ones do.
#define STBI_ASSERT(condition) ((void)0)
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
// Sides are limited by kDecodedPixelsMax alone, which the checks apply.
#define STBI_MAX_DIMENSIONS dct::kDecodedPixelsMax
#define STBI_MALLOC(size) Allocate(size)
#define STBI_REALLOC(block, size) Reallocate(block, size)
#define STBI_FREE(block) std::free(block)
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

namespace dct {

std::variant<DecodedSamples, PictureFaultKind> DecodeSamples(std::span<const std::uint8_t> bytes,
                                                             bool sixteenBit) {
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    return PictureFaultKind::OutOfMemory;
  }
  const auto length = static_cast<int>(bytes.size());
  memoryRefused = false;
  DecodedSamples samples;
  samples.sixteenBit = sixteenBit;
  void* data =
      sixteenBit ? static_cast<void*>(stbi_load_16_from_memory(
                       bytes.data(), length, &samples.width, &samples.height, &samples.channels, 0))
                 : static_cast<void*>(stbi_load_from_memory(bytes.data(), length, &samples.width,
                                                            &samples.height, &samples.channels, 0));
  if (data == nullptr) {
    return memoryRefused ? PictureFaultKind::OutOfMemory : PictureFaultKind::Damaged;
  }
  samples.data = {static_cast<std::uint8_t*>(data),
                  [](std::uint8_t* block) { stbi_image_free(block); }};
  return samples;
}

}  // namespace dct
