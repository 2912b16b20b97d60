#include "app/web/ChallengeStrip.h"

#include <vector>

#include "model/ReconstructBlock.h"
#include "model/lesson/BlockMeasures.h"
#include "model/lesson/Challenge.h"
#include "platform/Runtime.h"

using emscripten::val;

namespace {

val document() { return val::global("document"); }

// The progress in a line or two, beside the target.
std::string shortText(const dct::ChallengeProgress& progress) {
  if (progress.Solved()) return "Desafio resolvido!";
  return "Desafio: " + std::to_string(progress.RightCoefficients) + " de " +
         std::to_string(progress.TargetCoefficients) + " coeficientes certos, " +
         std::to_string(progress.EqualPixels) + " de 64 pixels iguais, maior diferença " +
         std::to_string(progress.MaxDifference);
}

}  // namespace

ChallengeStrip::ChallengeStrip(dct::platform::Runtime& runtime, dct::ui::Program& program)
    : runtime_(runtime),
      program_(program),
      root_(document().call<val>("getElementById", std::string("challenge-strip"))),
      canvas_(root_["firstChild"]),
      text_(root_["lastChild"]) {
  runtime_.AfterEachEvent(this, [this] { update(); });
  update();
}

ChallengeStrip::~ChallengeStrip() { runtime_.ForgetAfterEachEvent(this); }

void ChallengeStrip::update() {
  const auto& target = program_.LessonForm()->Target();
  val classes = document()["documentElement"]["classList"];
  if (classes.call<bool>("contains", std::string("challenge")) != target.has_value()) {
    classes.call<void>("toggle", std::string("challenge"), target.has_value());
  }
  if (!target) {
    target_.reset();
    return;
  }
  if (target != target_) {
    const dct::BlockLevels levels = dct::LevelsOf(dct::ReconstructBlock(*target));
    std::vector<std::uint8_t> rgba;
    for (const std::uint8_t level : levels) rgba.insert(rgba.end(), {level, level, level, 255});
    const val bytes = val::global("Uint8ClampedArray")
                          .new_(emscripten::typed_memory_view(rgba.size(), rgba.data()));
    canvas_.call<val>("getContext", std::string("2d"))
        .call<void>("putImageData", val::global("ImageData").new_(bytes, 8, 8), 0, 0);
    target_ = target;
  }
  const std::string progress =
      shortText(dct::ProgressTowards(*target, program_.MainWindow().Model().Coef));
  if (progress == progress_) return;
  progress_ = progress;
  text_.set("textContent", progress);
}
