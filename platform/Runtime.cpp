#include "Runtime.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace dct::platform {
namespace {

int depth = 0;
int deepest = 0;
bool ended = false;

// The toolkit's own texts (a text box's context menu) in Portuguese, like the
// rest of the window, whatever the desktop's language.
void installPortugueseToolkitTexts() {
  static QTranslator translator;
  if (!translator.isEmpty()) return;
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (translator.load(QStringLiteral("qtbase_pt_BR"), folder) ||
      translator.load(QStringLiteral("qtbase_pt"), folder)) {
    QCoreApplication::installTranslator(&translator);
  }
}

bool hasScreenForDialogs() {
  const QString platform = QGuiApplication::platformName();
  return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

void Runtime::ConfigureApplication() {
  // Fusion everywhere, with its own palette: a desktop theme must not change
  // how the boxes are drawn or how the scroll bars behave.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setPalette(QApplication::style()->standardPalette());
  QApplication::setApplicationName(QStringLiteral("transformada-dct"));
  QApplication::setApplicationVersion(QStringLiteral(DCT_VERSION));
  // Lets a Wayland desktop match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(DCT_APP_ID));
  installPortugueseToolkitTexts();
  ended = false;
}

int Runtime::Start(int argc, char** argv, const ProgramDescription& program) {
  QApplication application(argc, argv);
  ConfigureApplication();
  auto form = program.createStartupForm();
  LoadAndShow(*form);
  if (ended) return EXIT_SUCCESS;
  return QApplication::exec();
}

std::string HandlerName::Text() const {
  std::string text(control);
  text.append("_").append(event);
  if (index >= 0) text.append("(").append(std::to_string(index)).append(")");
  return text;
}

void Runtime::LoadAndShow(StartupForm& form) {
  Raise({"Form", "Load"}, [&form] { form.Form_Load(); });
  if (!ended) form.Show();
}

void Runtime::Raise(const HandlerName& name, const std::function<void()>& handler) {
  if (ended) return;
  ++depth;
  deepest = std::max(deepest, depth);
  try {
    handler();
  } catch (const std::exception& error) {
    ReportFailure(name.Text() + ": " + error.what());
  } catch (...) {
    ReportFailure(name.Text() + ": unknown error");
  }
  --depth;
}

void Runtime::End() {
  ended = true;
  for (QWidget* window : QApplication::topLevelWidgets()) window->close();
  QCoreApplication::exit(EXIT_SUCCESS);
}

bool Runtime::HasEnded() { return ended; }

void Runtime::ReportFailure(std::string_view what) {
  const std::string message = "transformada-dct: fatal error in " + std::string(what);
  std::fprintf(stderr, "%s\n", message.c_str());
  std::fflush(stderr);
  if (qApp != nullptr && hasScreenForDialogs()) {
    QMessageBox::critical(nullptr, QStringLiteral("Transformada DCT"),
                          QString::fromStdString(message));
  }
  // No destructors: the failure may have left the window half-updated.
  std::_Exit(EXIT_FAILURE);
}

int Runtime::HandlerDepth() { return depth; }
int Runtime::DeepestHandlerNesting() { return deepest; }
void Runtime::ResetDeepestHandlerNesting() { deepest = depth; }

}  // namespace dct::platform
