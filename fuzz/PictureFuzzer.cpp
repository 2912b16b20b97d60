// Reads the fuzzer's bytes as a picture file and checks the decoder's
// contract: a grey picture of at most the lesson's side, or a refusal of a
// known kind (a too-large one with the size that is too large), and under
// the sanitizers no crash, leak or undefined behaviour on the way.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <variant>

#include "common/PictureLimits.h"
#include "model/picture/PictureDecoder.h"
#include "model/picture/ReducedPicture.h"

namespace {

void fail(const char* what) {
  std::fprintf(stderr, "the picture decoder broke its contract: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto read = dct::ReadPictureFile(std::span(data, size));
  if (const auto* grey = std::get_if<dct::GreyImage>(&read)) {
    if (grey->width() < 1 || grey->height() < 1 || grey->width() > dct::kLessonSideMax ||
        grey->height() > dct::kLessonSideMax) {
      fail("a picture beyond the lesson's side");
    }
    return 0;
  }
  const auto& fault = std::get<dct::PictureFault>(read);
  if (fault.kind > dct::PictureFaultKind::OutOfMemory) fail("a refusal of no known kind");
  if (fault.kind == dct::PictureFaultKind::TooLarge &&
      fault.width * fault.height <= dct::kDecodedPixelsMax) {
    fail("a picture within the limit refused as too large");
  }
  return 0;
}
