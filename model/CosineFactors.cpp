#include "model/CosineFactors.h"

#include <cstdint>
#include <limits>

namespace dct {

static_assert(std::numeric_limits<double>::is_iec559, "the pixel values need IEEE 754 doubles");
// __builtin_bit_cast rather than std::bit_cast, which not every standard
// library has yet (libc++ 14, the browser build's).
static_assert(__builtin_bit_cast(std::uint64_t, Pi) == 0x400921F9F01B866EULL);

double CosineArgument(int p, int f) {
  const int k = (2 * p + 1) * f;
  const double product = static_cast<double>(k) * Pi;
  return product / 16.0;
}

namespace {

// Bit patterns of the correctly rounded cosines, made by tools/cosine_factors.py
// with 80-digit decimal arithmetic. Held as constants so that no platform's
// cosine, correctly rounded or not, can change a pixel.
constexpr std::array<std::array<std::uint64_t, kGridSide>, kGridSide> kFactorBits{{
    {{0x3FF0000000000000, 0x3FEF6297E15647E0, 0x3FED906C13587117, 0x3FEA9B66BD75E467,
      0x3FE6A09F6256D727, 0x3FE1C73CABD9A6C3, 0x3FD87DE681D355B6, 0x3FC8F8C1C99E98DD}},
    {{0x3FF0000000000000, 0x3FEA9B66BD75E467, 0x3FD87DE681D355B6, 0xBFC8F8ABF49312EA,
      0xBFE6A09B72F8280A, 0xBFEF6296CB6722FB, 0xBFED906E34870ED9, 0xBFE1C7414C63AC5F}},
    {{0x3FF0000000000000, 0x3FE1C73CABD9A6C3, 0xBFD87DDC39714EF0, 0xBFEF6296CB6722FB,
      0xBFE6A0A351B4D711, 0x3FC8F8961F86CBA1, 0x3FED9067D0F886E2, 0x3FEA9B6CEC6C3F48}},
    {{0x3FF0000000000000, 0x3FC8F8C1C99E98DD, 0xBFED9069F228EE6E, 0xBFE1C7414C63AC5F,
      0x3FE6A0978398C9BF, 0x3FEA9B6CEC6C3F48, 0xBFD87DC7A8AB087F, 0xBFEF629B231E049B}},
    {{0x3FF0000000000000, 0xBFC8F8ABF49312EA, 0xBFED906E34870ED9, 0x3FE1C7336AC3FEA0,
      0x3FE6A0A7411227CD, 0xBFEA9B5D76FE5318, 0xBFD87E055AF4F846, 0x3FEF62938994025A}},
    {{0x3FF0000000000000, 0xBFE1C7380B4F1785, 0xBFD87DF0CA349ED6, 0x3FEF629A0D31B8B0,
      0xBFE6A0939438BC49, 0xBFC8F90348BCA28D, 0x3FED9074980D8AC9, 0xBFEA9B5747FFEC3D}},
    {{0x3FF0000000000000, 0xBFEA9B63A5F981F7, 0x3FD87DD1F10E8A83, 0x3FC8F8ED73B360BF,
      0xBFE6A0AB306EC95E, 0x3FEF629C39095D86, 0xBFED90616D61F2E2, 0x3FE1C720E8923A9D}},
    {{0x3FF0000000000000, 0xBFEF6296CB6722FB, 0x3FED9067D0F886E2, 0xBFEA9B5D76FE5318,
      0x3FE6A08FA4D7FF99, 0xBFE1C725891F7A19, 0x3FD87DA8CF7C10B1, 0xBFC8F828F63E1329}},
}};

constexpr CosineTable fromBits() {
  CosineTable table{};
  for (std::size_t p = 0; p < kGridSide; ++p) {
    for (std::size_t f = 0; f < kGridSide; ++f)
      table[p][f] = __builtin_bit_cast(double, kFactorBits[p][f]);
  }
  return table;
}

constexpr CosineTable kFactors = fromBits();

}  // namespace

const CosineTable& CosineFactors() { return kFactors; }

}  // namespace dct
