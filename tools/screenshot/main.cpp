// Writes a picture of the window, as a user would see it after typing a few
// coefficients, for the README: window-screenshot OUT.png [SCALE]
#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/Runtime.h"
#include "platform/qt/QtAccess.h"
#include "platform/qt/QtBackend.h"
#include "ui/window/Form1.h"

namespace {

// Coefficient index and value: a smooth diagonal gradient with a little
// texture, the kind of block a first lesson starts from.
constexpr std::pair<int, const char*> kExample[] = {
    {0, "-20"}, {1, "60"}, {8, "50"}, {9, "20"}, {18, "-12"}, {11, "8"},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: window-screenshot OUT.png\n");
    return 2;
  }
  QApplication application(argc, argv);
  dct::platform::qt::QtBackend backend;
  dct::platform::Runtime runtime(backend);
  dct::ui::Form1 form(runtime);
  runtime.LoadAndShow(form);
  for (const auto& [index, text] : kExample) {
    form.Widgets().Text2[static_cast<std::size_t>(index)]->SetText(text);
  }
  form.Text2_Click(9);
  QApplication::processEvents();
  const QPixmap picture = dct::platform::qt::WindowOf(form.PlatformForm())->grab();
  if (!picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "window-screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
