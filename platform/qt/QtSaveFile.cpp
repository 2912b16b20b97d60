// The desktop's save dialog: the toolkit's own, the same on every desktop, so
// that tests can drive it; it does not block, as the page's download does
// not. The file is written by PendingFile, as dct-block writes its files.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <memory>
#include <utility>

#include "file/PendingFile.h"
#include "platform/qt/QtBackend.h"

namespace dct::platform {

void qt::QtBackend::SaveFile(const std::string& suggestedName, std::vector<std::uint8_t> bytes,
                             std::function<void(SaveOutcome, const std::string&)> done) {
  auto* dialog = new QFileDialog(QApplication::activeWindow(), QStringLiteral("Guardar JPEG"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setNameFilter(QStringLiteral("JPEG (*.jpg *.jpeg)"));
  dialog->setDefaultSuffix(QStringLiteral("jpg"));
  dialog->selectFile(QString::fromStdString(suggestedName));
  // Answered once, whichever way the dialog goes.
  auto answer =
      std::make_shared<std::function<void(SaveOutcome, const std::string&)>>(std::move(done));
  QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                   [answer, bytes = std::move(bytes)](const QString& path) {
                     const std::string name = QFileInfo(path).fileName().toStdString();
                     file::PendingFile file(QFile::encodeName(path).toStdString());
                     const bool saved = !file.Write(bytes) && !file.Commit();
                     std::exchange(*answer, {})(saved ? SaveOutcome::Saved : SaveOutcome::Failed,
                                                name);
                   });
  QObject::connect(dialog, &QFileDialog::rejected, dialog, [answer] {
    if (*answer) std::exchange(*answer, {})(SaveOutcome::Cancelled, {});
  });
  dialog->open();
}

}  // namespace dct::platform
