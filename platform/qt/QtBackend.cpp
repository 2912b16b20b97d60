#include "platform/qt/QtBackend.h"

#include <QAccessible>
#include <QClipboard>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>
#include <QThreadPool>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/qt/QtForm.h"

namespace dct::platform {
namespace qt {
namespace {

constexpr const char* kNoDisplay =
    "transformada-dct: no graphical display can be opened: DISPLAY and WAYLAND_DISPLAY are "
    "unset or name none that accepts a connection";

// The platform that the user named (`source`: -platform or QT_QPA_PLATFORM,
// whose value the environment holds either way), and that it cannot start.
[[noreturn]] void cannotStart(const char* source) {
  const QByteArray name = qgetenv("QT_QPA_PLATFORM");
  if (name.isEmpty()) {
    std::fprintf(stderr, "%s\n", kNoDisplay);
  } else {
    std::fprintf(stderr,
                 "transformada-dct: the graphical platform that %s names (\"%s\") cannot be "
                 "started: it opens no display here, or there is no such platform\n",
                 source, name.constData());
  }
  std::_Exit(EXIT_FAILURE);
}

// While the toolkit looks for the display, its complaints about the platform
// make way for one line that says what is missing, and its fatal error (an
// abort advising to reinstall) for a plain exit. One for each place the
// platform can be named in, as a handler has no data of its own.
void complaints(const char* source, QtMsgType type, const QMessageLogContext& context,
                const QString& message) {
  if (type == QtFatalMsg) cannotStart(source);
  if (context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0) return;
  std::fprintf(stderr, "%s\n", qPrintable(message));
}
void environmentComplaints(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  complaints("QT_QPA_PLATFORM", type, context, text);
}
void argumentComplaints(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  complaints("-platform", type, context, text);
}

// An explicit platform (offscreen, say) is the user's choice, left to the
// toolkit; only its failure is said in the program's own line. The toolkit
// takes "-platform X" before QT_QPA_PLATFORM, so the value goes there too.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv) {
  QtMessageHandler replacement = environmentComplaints;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string_view(argv[i]) != "-platform") continue;
    qputenv("QT_QPA_PLATFORM", argv[i + 1]);
    replacement = argumentComplaints;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    cannotStart("");
  }
  const QtMessageHandler previous = qInstallMessageHandler(replacement);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  return application;
}

bool hasScreenForDialogs() {
  const QString platform = QGuiApplication::platformName();
  return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

// Fusion everywhere, with its own palette: a desktop theme must not change
// how the boxes are drawn or how the scroll bars behave. The toolkit's own
// texts (a text box's context menu) in Portuguese, like the rest of the
// window, whatever the desktop's language.
QtBackend::QtBackend(std::unique_ptr<QApplication> application)
    : application_(std::move(application)) {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setPalette(QApplication::style()->standardPalette());
  QApplication::setApplicationName(QStringLiteral("transformada-dct"));
  QApplication::setApplicationVersion(QStringLiteral(DCT_VERSION));
  // Lets a Wayland desktop match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(DCT_APP_ID));
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (translator_.load(QStringLiteral("qtbase_pt_BR"), folder) ||
      translator_.load(QStringLiteral("qtbase_pt"), folder)) {
    QCoreApplication::installTranslator(&translator_);
  }
  QAccessible::installFactory(SayingBarFactory());
}

QtBackend::~QtBackend() {
  QAccessible::removeFactory(SayingBarFactory());
  QCoreApplication::removeTranslator(&translator_);
}

std::unique_ptr<FormPeer> QtBackend::CreateForm(const FormSettings& settings) {
  return std::make_unique<QtForm>(settings);
}

int QtBackend::DeliverEvents() { return QApplication::exec(); }

// What the clipboard holds afterwards says whether it took the text.
void QtBackend::CopyText(const std::string& text, std::function<void(bool copied)> done) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QString value = QString::fromStdString(text);
  clipboard->setText(value);
  done(clipboard->text() == value);
}

// On a thread of the application's pool, which the application waits for
// when it ends; `finished` comes back as an event of the application's own.
void QtBackend::RunInBackground(std::function<void()> work, std::function<void()> finished) {
  QThreadPool::globalInstance()->start(
      [work = std::move(work), finished = std::move(finished)]() mutable {
        work();
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(finished),
                                  Qt::QueuedConnection);
      });
}

void QtBackend::RunLater(double milliseconds, std::function<void()> action) {
  QTimer::singleShot(static_cast<int>(std::ceil(milliseconds)), QCoreApplication::instance(),
                     std::move(action));
}

void QtBackend::End() {
  for (QWidget* window : QApplication::topLevelWidgets()) window->close();
  QCoreApplication::exit(EXIT_SUCCESS);
}

void QtBackend::Fail(const std::string& message) {
  if (hasScreenForDialogs()) {
    QMessageBox::critical(nullptr, QStringLiteral("Transformada DCT"),
                          QString::fromStdString(message));
  }
  // No destructors: the failure may have left the window half-updated.
  std::_Exit(EXIT_FAILURE);
}

}  // namespace qt

std::unique_ptr<Backend> OpenBackend(int& argc, char** argv) {
  return std::make_unique<qt::QtBackend>(qt::openApplication(argc, argv));
}

}  // namespace dct::platform
