#pragma once

#include <cstdint>
#include <span>
#include <variant>

#include "model/picture/PictureFault.h"
#include "model/picture/PictureLayout.h"

namespace dct {

// Checks a JPEG file's structure before anything is decoded, as the decoder
// does not: from SOI, marker after marker, each segment's length inside the
// file; one frame, of the Huffman-coded 8-bit kinds that are read (baseline,
// extended or progressive), with one, three or four components; every
// quantisation and Huffman table that a scan uses defined before it; each
// scan's entropy-coded data ending in a marker, and together long enough to
// hold the fewest bits that its blocks can take; every component given its
// values (its first DC scan, when progressive); EOI reached (bytes after it
// are ignored). A picture of more than kDecodedPixelsMax pixels is refused
// from its frame header. Colours are refused where the markers leave
// decoders to disagree about them. The orientation comes from the first APP1
// "Exif" segment.
//
// A file cut short inside its scans and then given an EOI is caught only
// when too little is left for those fewest bits: JPEG carries no checksum,
// and such a file is otherwise well formed.
std::variant<PictureLayout, PictureFault> CheckJpeg(std::span<const std::uint8_t> bytes);

}  // namespace dct
