// Timings of the transform model. The fast reconstruction is timed on the same
// tables as the literal one, and each table must give the same block both
// ways before it is timed: a fast result that differs is no result.
//
// On a busy machine, --benchmark_repetitions=N adds the fastest of the N runs
// ("_min"), which other work can only make slower.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/CoefficientFromText.h"
#include "model/ReconstructBlock.h"
#include "model/jpeg/JpegPicture.h"
#include "model/picture/BuiltinPicture.h"
#include "tests/model/LiteralSums.h"

namespace {

double fastest(const std::vector<double>& times) {
  return *std::min_element(times.begin(), times.end());
}

struct NamedTable {
  const char* name;
  dct::CoefTable coef;
};

dct::CoefTable tableOf(std::initializer_list<std::pair<int, std::int16_t>> entries) {
  dct::CoefTable coef;
  for (const auto& [index, value] : entries) coef.set(index, value);
  return coef;
}

// Every coefficient non-zero, so that no term can be skipped.
dct::CoefTable denseTable(std::int16_t low, std::int16_t high) {
  std::mt19937 generator(20240611);
  std::uniform_int_distribution<int> value(low, high);
  dct::CoefTable coef;
  for (int i = 0; i < dct::kGridCount; ++i) {
    int v = 0;
    while (v == 0) v = value(generator);
    coef.set(i, static_cast<std::int16_t>(v));
  }
  return coef;
}

constexpr int kTableCount = 5;

const NamedTable& table(const benchmark::State& state) {
  static const std::array<NamedTable, kTableCount> tables{{
      {"zero", dct::CoefTable{}},
      {"one_entry", tableOf({{1, 100}})},
      {"three_entries", tableOf({{0, 100}, {1, 100}, {36, -100}})},
      {"dense", denseTable(-100, 100)},
      {"dense_16_bit", denseTable(INT16_MIN, INT16_MAX)},
  }};
  return tables.at(static_cast<std::size_t>(state.range(0)));
}

template <dct::PixelBlock (*Reconstruct)(const dct::CoefTable&)>
void reconstruct(benchmark::State& state) {
  const NamedTable& named = table(state);
  state.SetLabel(named.name);
  if (dct::ReconstructBlock(named.coef) != dct::ReconstructBlockLiteral(named.coef)) {
    state.SkipWithError("the fast and the literal block differ");
    return;
  }
  for (auto _ : state) {
    dct::PixelBlock block = Reconstruct(named.coef);
    benchmark::DoNotOptimize(block);
  }
}

void BM_ReconstructBlock(benchmark::State& state) { reconstruct<dct::ReconstructBlock>(state); }
BENCHMARK(BM_ReconstructBlock)->DenseRange(0, kTableCount - 1)->ComputeStatistics("min", fastest);

void BM_ReconstructBlockLiteral(benchmark::State& state) {
  reconstruct<dct::ReconstructBlockLiteral>(state);
}
BENCHMARK(BM_ReconstructBlockLiteral)
    ->DenseRange(0, kTableCount - 1)
    ->ComputeStatistics("min", fastest);

// The two halves of the fast version, to see where its time goes.
void BM_ComputeBlockSums(benchmark::State& state) {
  const NamedTable& named = table(state);
  state.SetLabel(named.name);
  for (auto _ : state) {
    dct::BlockSums sums = dct::ComputeBlockSums(named.coef);
    benchmark::DoNotOptimize(sums);
  }
}
BENCHMARK(BM_ComputeBlockSums)->DenseRange(0, kTableCount - 1)->ComputeStatistics("min", fastest);

void BM_ShadeBlock(benchmark::State& state) {
  const NamedTable& named = table(state);
  state.SetLabel(named.name);
  const dct::BlockSums sums = dct::ComputeBlockSums(named.coef);
  for (auto _ : state) {
    dct::PixelBlock block = dct::ShadeBlock(sums);
    benchmark::DoNotOptimize(block);
  }
}
BENCHMARK(BM_ShadeBlock)->DenseRange(0, kTableCount - 1)->ComputeStatistics("min", fastest);

constexpr std::array<std::string_view, 6> kTexts{"0", "-7", "100", "12abc", "2.5", "1e400"};

void BM_CoefficientFromText(benchmark::State& state) {
  const std::string_view text = kTexts.at(static_cast<std::size_t>(state.range(0)));
  state.SetLabel(std::string(text));
  for (auto _ : state) {
    std::string_view input = text;
    benchmark::DoNotOptimize(input);
    benchmark::DoNotOptimize(dct::CoefficientFromText(input));
  }
}
BENCHMARK(BM_CoefficientFromText)
    ->DenseRange(0, static_cast<int>(kTexts.size()) - 1)
    ->ComputeStatistics("min", fastest);

// A 512×512 picture, the built-in one with each pixel made 2×2, compressed
// again in one setting: what the lesson recomputes when the quality or the
// count kept changes (quantisation, the decoded picture and the file).
const dct::JpegPicture& largePicture() {
  static const dct::JpegPicture picture = [] {
    const dct::GreyImage& small = dct::BuiltinPicture();
    const int side = 2 * small.width();
    std::vector<std::uint8_t> levels;
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) levels.push_back(small.at(x / 2, y / 2));
    }
    return dct::JpegPicture(*dct::GreyImage::Make(side, side, std::move(levels)));
  }();
  return picture;
}

// Quality 0 stands for none.
void BM_JpegPictureCompress(benchmark::State& state) {
  const int quality = static_cast<int>(state.range(0));
  const dct::JpegSetting setting{
      quality > 0 ? std::optional(dct::ScaledJpegTable(quality)) : std::nullopt,
      static_cast<int>(state.range(1))};
  const dct::JpegPicture& picture = largePicture();
  for (auto _ : state) {
    dct::JpegCompressed compressed = picture.Compress(setting);
    benchmark::DoNotOptimize(compressed);
  }
}
BENCHMARK(BM_JpegPictureCompress)
    ->ArgsProduct({{0, 7, 50, 90, 100}, {64}})
    ->Args({50, 10})
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", fastest);

}  // namespace

BENCHMARK_MAIN();
