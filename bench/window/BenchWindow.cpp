// How long the window takes to follow a change, measured on the real widgets
// under the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <memory>

#include "app/Program.h"
#include "platform/Runtime.h"
#include "platform/qt/QtAccess.h"
#include "platform/qt/QtBackend.h"
#include "ui/window/Form1.h"

namespace {

using dct::ui::Form1;

// The window on a runtime of its own, counting the blocks it computes (its
// HScroll2_Change computes one).
struct LoadedWindow {
  LoadedWindow() {
    runtime.OnHandler([this](const dct::platform::HandlerName& name, int) {
      if (name.control == "HScroll2" && name.event == "Change") ++computations;
    });
    runtime.LoadAndShow(form);
    QApplication::processEvents();
  }
  dct::platform::qt::QtBackend backend;
  dct::platform::Runtime runtime{backend};
  Form1 form{runtime};
  int computations = 0;
};

std::unique_ptr<LoadedWindow> loadedWindow() { return std::make_unique<LoadedWindow>(); }

// With coefficient 1 selected, values of opposite sign change every pixel.
void selectCoefficientOne(Form1& form) { form.Text2_Click(1); }

void valueChanges(benchmark::State& state, bool repaint) {
  auto loaded = loadedWindow();
  selectCoefficientOne(loaded->form);
  dct::platform::ScrollBar& bar = *loaded->form.Widgets().HScroll2;
  int value = 40;
  for (auto _ : state) {
    value = -value;
    bar.SetValue(value);
    if (repaint) QApplication::processEvents();
  }
  state.counters["computations"] = loaded->computations;
}

void BM_ValueChange(benchmark::State& state) { valueChanges(state, false); }
void BM_ValueChangeRepainted(benchmark::State& state) { valueChanges(state, true); }

void BM_Reset(benchmark::State& state) {
  auto loaded = loadedWindow();
  Form1* form = &loaded->form;
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 0; i < dct::kGridCount; ++i) {
      form->Widgets().Text2[static_cast<std::size_t>(i)]->SetText(std::to_string(i % 50 + 1));
    }
    QApplication::processEvents();
    state.ResumeTiming();
    form->Command1_Click();
  }
}

void BM_StartUp(benchmark::State& state) {
  for (auto _ : state) {
    auto loaded = loadedWindow();
    dct::platform::qt::WindowOf(loaded->form.PlatformForm())->repaint();
    benchmark::DoNotOptimize(loaded.get());
  }
}

// A move of the lesson's frame by an arrow key on its picture onto the
// photograph's most detailed block (23, 29: 62 coefficients that are not
// zero) from the block on its left, from the key to both windows repainted:
// the block entered into the window (a Reset and a value typed for each
// coefficient) and the lesson's figures brought in step. The key back is
// not timed.
void BM_LessonFrameMove(benchmark::State& state) {
  dct::platform::qt::QtBackend backend;
  dct::platform::Runtime runtime(backend);
  dct::ui::Program program(
      runtime, {.lesson = true, .link = {}, .seed = 1, .linkBase = {}, .showNotice = {}});
  runtime.LoadAndShow(program);
  QWidget* picture = dct::platform::qt::WidgetOf(*program.LessonForm()->Widgets().picPicture);
  program.LessonForm()->picPicture_MouseDown(22 * 8 + 4, 29 * 8 + 4);
  QApplication::processEvents();
  for (auto _ : state) {
    QTest::keyClick(picture, Qt::Key_Right);
    QApplication::processEvents();
    state.PauseTiming();
    QTest::keyClick(picture, Qt::Key_Left);
    QApplication::processEvents();
    state.ResumeTiming();
  }
}

BENCHMARK(BM_ValueChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LessonFrameMove)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ValueChangeRepainted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Reset)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
