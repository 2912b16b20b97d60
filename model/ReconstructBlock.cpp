#include "ReconstructBlock.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

// The fast sums run on vectors of 2, 4 or 8 doubles where GCC or Clang build
// for x86, choosing the widest that the processor has when first called.
// DCT_MAX_LANES caps the width compiled in (1: no vectors at all), so that the
// tests can check on one machine the paths that other machines take.
#ifndef DCT_MAX_LANES
#define DCT_MAX_LANES 8
#endif
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__)) && defined(__SSE2__) && \
    DCT_MAX_LANES >= 2
#define DCT_X86_VECTORS 1
#include <emmintrin.h>
#else
#define DCT_X86_VECTORS 0
#endif

namespace dct {
namespace {

int coefIndex(int u, int v) { return u + kBlockSide * v; }
std::size_t pixelIndex(int x, int y) { return static_cast<std::size_t>(x + kBlockSide * y); }
constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }

#if defined(__GNUC__)
#define DCT_ALWAYS_INLINE inline __attribute__((always_inline))
#else
#define DCT_ALWAYS_INLINE inline
#endif

template <class Lanes>
inline constexpr int kVectorsPerRow = static_cast<int>(kBlockSide * sizeof(double) / sizeof(Lanes));

// One non-zero coefficient's share of every sum: the first products
// F(u, v) · c(x, u) of all eight pixel columns, and the frequency v whose
// cosines c(y, v) multiply them.
template <class Lanes>
struct Term {
  Lanes first[kVectorsPerRow<Lanes>];
  std::size_t v;
};

// Sums as the literal version forms them: each sum gets, term after term in
// the order u then v, its own rounded product and its own rounded addition.
// Only the bookkeeping differs: a row of pixel columns is a few vector
// operations, and RowsPerPass rows are summed at once so that their sums stay
// in registers while each term is loaded once per pass. Neither changes what
// any one sum sees, and the build forbids the contraction of a product and a
// sum into one fused operation.
template <class Lanes, int RowsPerPass>
DCT_ALWAYS_INLINE BlockSums sumsIn(const CoefTable& coef) {
  constexpr int kVectors = kVectorsPerRow<Lanes>;
  const CosineTable& c = CosineFactors();

  std::array<Term<Lanes>, kCoefCount> terms;
  std::size_t count = 0;
  for (int u = 0; u < kBlockSide; ++u) {
    std::array<double, kBlockSide> columnFactors;
    for (int x = 0; x < kBlockSide; ++x) columnFactors[at(x)] = c[at(x)][at(u)];
    Lanes column[kVectors];
    std::memcpy(column, columnFactors.data(), sizeof column);
    for (int v = 0; v < kBlockSide; ++v) {
      const double f = coef.at(coefIndex(u, v));
      // A zero coefficient gives terms of ±0, which leave every sum as it is:
      // a sum starts at +0 and can never become -0 under round-to-nearest.
      if (f == 0.0) continue;
      Term<Lanes>& term = terms[count++];
      for (int k = 0; k < kVectors; ++k) term.first[k] = f * column[k];
      term.v = at(v);
    }
  }

  BlockSums sums;
  for (int y0 = 0; y0 < kBlockSide; y0 += RowsPerPass) {
    Lanes rows[RowsPerPass][kVectors] = {};
    for (std::size_t t = 0; t < count; ++t) {
      const Term<Lanes>& term = terms[t];
      for (int r = 0; r < RowsPerPass; ++r) {
        const double second = c[at(y0 + r)][term.v];
        for (int k = 0; k < kVectors; ++k) rows[r][k] += term.first[k] * second;
      }
    }
    for (int r = 0; r < RowsPerPass; ++r) {
      std::memcpy(&sums[pixelIndex(0, y0 + r)], rows[r], sizeof rows[r]);
    }
  }
  return sums;
}

using SumsFunction = BlockSums (*)(const CoefTable&);

// Each width keeps eight vectors of sums in registers (sixteen scalars
// without vectors), which leaves room beside them for a term and its factors.
#if !DCT_X86_VECTORS
BlockSums scalarSums(const CoefTable& coef) { return sumsIn<double, 2>(coef); }
#else
using Double2 = double __attribute__((vector_size(2 * sizeof(double))));
BlockSums sse2Sums(const CoefTable& coef) { return sumsIn<Double2, 2>(coef); }
#endif

#if DCT_X86_VECTORS && DCT_MAX_LANES >= 4
using Double4 = double __attribute__((vector_size(4 * sizeof(double))));
__attribute__((target("avx"))) BlockSums avxSums(const CoefTable& coef) {
  return sumsIn<Double4, 4>(coef);
}
#endif

#if DCT_X86_VECTORS && DCT_MAX_LANES >= 8
using Double8 = double __attribute__((vector_size(8 * sizeof(double))));
__attribute__((target("avx512f"))) BlockSums avx512Sums(const CoefTable& coef) {
  return sumsIn<Double8, 8>(coef);
}
#endif

SumsFunction fastestSums() {
#if DCT_X86_VECTORS
  __builtin_cpu_init();
#if DCT_MAX_LANES >= 8
  if (__builtin_cpu_supports("avx512f")) return avx512Sums;
#endif
#if DCT_MAX_LANES >= 4
  if (__builtin_cpu_supports("avx")) return avxSums;
#endif
  return sse2Sums;
#else
  return scalarSums;
#endif
}

// The pixel values: each sum rounded down, not toward zero (-19.51 gives
// -20), then limited to ±127. Returns whether any had to be limited.
bool roundDownAndClip(const BlockSums& sums, std::array<int, kPixelCount>& pixels) {
#if DCT_X86_VECTORS
  // Two sums at a time. A sum is first bounded to -127..127.5, which keeps
  // its pixel value (and makes a NaN, which no table gives, the lower bound);
  // truncation is then exact, and stepping down where it went up is the floor.
  const __m128d lowest = _mm_set1_pd(kPixelMin);
  const __m128d highest = _mm_set1_pd(kPixelMax + 0.5);
  const __m128d firstClipped = _mm_set1_pd(kPixelMax + 1);
  __m128d outside = _mm_setzero_pd();
  for (std::size_t p = 0; p < sums.size(); p += 2) {
    const __m128d sum = _mm_loadu_pd(&sums[p]);
    outside =
        _mm_or_pd(outside, _mm_or_pd(_mm_cmpge_pd(sum, firstClipped), _mm_cmpnge_pd(sum, lowest)));
    const __m128d bounded = _mm_min_pd(_mm_max_pd(sum, lowest), highest);
    const __m128i truncated = _mm_cvttpd_epi32(bounded);
    const __m128i wentUp = _mm_castpd_si128(_mm_cmplt_pd(bounded, _mm_cvtepi32_pd(truncated)));
    // Each all-ones mask is -1, added to its value; its low halves sit in lanes 0 and 2.
    const __m128i roundedDown = _mm_add_epi32(truncated, _mm_shuffle_epi32(wentUp, 0x08));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(&pixels[p]), roundedDown);
  }
  return _mm_movemask_pd(outside) != 0;
#else
  bool clipped = false;
  for (std::size_t p = 0; p < sums.size(); ++p) {
    const double value = std::floor(sums[p]);
    clipped = clipped || value > kPixelMax || value < kPixelMin;
    pixels[p] = value > kPixelMax   ? kPixelMax
                : value < kPixelMin ? kPixelMin
                                    : static_cast<int>(value);
  }
  return clipped;
#endif
}

// The tooltip of every pixel value, -127..127, ready to be copied: a
// formatted number costs more than all the rest of a pixel.
struct PixelText {
  char text[4];
  std::size_t length;
};

using PixelTexts = std::array<PixelText, kPixelMax - kPixelMin + 1>;

constexpr PixelTexts makePixelTexts() {
  PixelTexts texts{};
  for (int value = kPixelMin; value <= kPixelMax; ++value) {
    PixelText& slot = texts[at(value - kPixelMin)];
    if (value < 0) slot.text[slot.length++] = '-';
    const int magnitude = value < 0 ? -value : value;
    if (magnitude >= 100) slot.text[slot.length++] = static_cast<char>('0' + magnitude / 100);
    if (magnitude >= 10) slot.text[slot.length++] = static_cast<char>('0' + magnitude / 10 % 10);
    slot.text[slot.length++] = static_cast<char>('0' + magnitude % 10);
  }
  return texts;
}

constexpr PixelTexts kPixelTexts = makePixelTexts();

// Copies the whole slot, then cuts it to length: a copy of fixed size needs
// no call to memcpy.
std::string toolTip(int pixel) {
  const PixelText& slot = kPixelTexts[at(pixel - kPixelMin)];
  std::string text(slot.text, sizeof slot.text);
  text.resize(slot.length);
  return text;
}

// Each string is made in its place in the block, not made empty and then
// assigned, which halves the cost of the tooltips.
template <std::size_t... P>
std::array<std::string, kPixelCount> toolTips(const std::array<int, kPixelCount>& pixels,
                                              std::index_sequence<P...>) {
  return {toolTip(pixels[P])...};
}

}  // namespace

BlockSums ComputeBlockSums(const CoefTable& coef) {
  static const SumsFunction sums = fastestSums();
  return sums(coef);
}

BlockSums ComputeBlockSumsLiteral(const CoefTable& coef) {
  BlockSums sums{};
  for (int x = 0; x < kBlockSide; ++x) {
    for (int y = 0; y < kBlockSide; ++y) {
      double sum = 0.0;
      for (int u = 0; u < kBlockSide; ++u) {
        for (int v = 0; v < kBlockSide; ++v) {
          const double term =
              (static_cast<double>(coef.at(coefIndex(u, v))) * std::cos(CosineArgument(x, u))) *
              std::cos(CosineArgument(y, v));
          sum = sum + term;
        }
      }
      sums[pixelIndex(x, y)] = sum;
    }
  }
  return sums;
}

PixelBlock ShadeBlock(const BlockSums& sums) {
  std::array<int, kPixelCount> pixels;
  const bool clipped = roundDownAndClip(sums, pixels);
  std::array<Rgb, kPixelCount> colours;
  for (std::size_t p = 0; p < pixels.size(); ++p) {
    colours[p] = static_cast<Rgb>(pixels[p] + 128) * kGreyStep;
  }
  return PixelBlock{pixels, toolTips(pixels, std::make_index_sequence<kPixelCount>{}), colours,
                    clipped};
}

PixelBlock ReconstructBlock(const CoefTable& coef) { return ShadeBlock(ComputeBlockSums(coef)); }

PixelBlock ReconstructBlockLiteral(const CoefTable& coef) {
  return ShadeBlock(ComputeBlockSumsLiteral(coef));
}

}  // namespace dct
