#include <QApplication>
#include <QClipboard>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>
#include <QThreadPool>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/Backend.h"
#include "platform/Runtime.h"
#include "platform/qt/QtApplication.h"

namespace dct::platform {
namespace qt {
namespace {

constexpr const char* kNoDisplay =
    "transformada-dct: no graphical display can be opened: DISPLAY and WAYLAND_DISPLAY are "
    "unset or name none that accepts a connection";

// The platform that the user named, and what cannot be done with it.
std::string noPlatform() {
  return "transformada-dct: the graphical platform that QT_QPA_PLATFORM names (\"" +
         qEnvironmentVariable("QT_QPA_PLATFORM").toStdString() +
         "\") cannot be started: it opens no display here, or there is no such platform";
}

[[noreturn]] void cannotStart() {
  const std::string line =
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? std::string(kNoDisplay) : noPlatform();
  std::fprintf(stderr, "%s\n", line.c_str());
  std::_Exit(EXIT_FAILURE);
}

// While the toolkit looks for the display, its complaints about the platform
// make way for one line that says what is missing, and its fatal error (an
// abort advising to reinstall) for a plain exit.
void replaceDisplayComplaints(QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
  if (type == QtFatalMsg) cannotStart();
  if (context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0) return;
  std::fprintf(stderr, "%s\n", qPrintable(message));
}

// An explicit QT_QPA_PLATFORM (offscreen, say) is the user's choice, left to
// the toolkit; only its failure is said in the program's own line.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    cannotStart();
  }
  const QtMessageHandler previous = qInstallMessageHandler(replaceDisplayComplaints);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  return application;
}

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

void ConfigureApplication() {
  // Fusion everywhere, with its own palette: a desktop theme must not change
  // how the boxes are drawn or how the scroll bars behave.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setPalette(QApplication::style()->standardPalette());
  QApplication::setApplicationName(QStringLiteral("transformada-dct"));
  QApplication::setApplicationVersion(QStringLiteral(DCT_VERSION));
  // Lets a Wayland desktop match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(DCT_APP_ID));
  installPortugueseToolkitTexts();
  Runtime::Begin();
}

}  // namespace qt

int backend::Run(int argc, char** argv, const ProgramDescription& program) {
  const auto application = qt::openApplication(argc, argv);
  qt::ConfigureApplication();
  const auto form = program.createStartupForm();
  Runtime::LoadAndShow(*form);
  if (Runtime::HasEnded()) return EXIT_SUCCESS;
  return QApplication::exec();
}

// What the clipboard holds afterwards says whether it took the text.
void backend::CopyText(const std::string& text, std::function<void(bool copied)> done) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QString value = QString::fromStdString(text);
  clipboard->setText(value);
  done(clipboard->text() == value);
}

// On a thread of the application's pool, which the application waits for
// when it ends; `finished` comes back as an event of the application's own.
void backend::RunInBackground(std::function<void()> work, std::function<void()> finished) {
  QThreadPool::globalInstance()->start(
      [work = std::move(work), finished = std::move(finished)]() mutable {
        work();
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(finished),
                                  Qt::QueuedConnection);
      });
}

void backend::End() {
  for (QWidget* window : QApplication::topLevelWidgets()) window->close();
  QCoreApplication::exit(EXIT_SUCCESS);
}

void backend::Fail(const std::string& message) {
  if (qApp != nullptr && qt::hasScreenForDialogs()) {
    QMessageBox::critical(nullptr, QStringLiteral("Transformada DCT"),
                          QString::fromStdString(message));
  }
  // No destructors: the failure may have left the window half-updated.
  std::_Exit(EXIT_FAILURE);
}

}  // namespace dct::platform
