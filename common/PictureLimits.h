#pragma once

namespace dct {

// The most pixels a picture may have to be decoded, in every edition: 2^26,
// a 9248×6936 photograph (64 megapixels) and a little more. A larger one is
// refused from its header, before any decoding: a decoder holds a few bytes
// a pixel (3 for a JPEG as it comes out, up to 16 for a 16-bit PNG with
// alpha while it is inflated), and a page has at most 2 GB in all. Any shape
// is taken within it, a strip as well as a square.
inline constexpr long long kDecodedPixelsMax = 67'108'864;

// The most bytes of a picture file that are read, in every edition: more
// than a PNG of kDecodedPixelsMax pixels of 16-bit RGBA can take, and little
// enough that no endless stream is read to its end. A larger file is refused
// before it is read.
inline constexpr long long kPictureFileBytesMax = 1LL << 30;

}  // namespace dct
