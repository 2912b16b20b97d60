#pragma once

#include <cstdint>
#include <span>
#include <variant>

#include "model/picture/PictureFault.h"
#include "model/picture/PictureLayout.h"

namespace dct {

// Checks a PNG file's structure before anything is decoded, as the decoder
// does not: the signature; every chunk's length, name and CRC-32 inside the
// file; IHDR first with valid values; PLTE and tRNS where and as they may
// be; the IDAT chunks one after another, with enough data for the picture's
// size; IEND at the end (bytes after it are ignored). A picture of more than
// kDecodedPixelsMax pixels is refused from IHDR. An unknown chunk that a
// decoder must understand makes the file damaged; unknown ancillary chunks
// are passed over. The orientation comes from the first eXIf chunk.
std::variant<PictureLayout, PictureFault> CheckPng(std::span<const std::uint8_t> bytes);

}  // namespace dct
