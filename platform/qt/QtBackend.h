#pragma once

#include <QApplication>
#include <QTranslator>
#include <memory>

#include "platform/Backend.h"

// The desktop backend: the forms as Qt 6 widgets.
//
// What it does:
// - each form as a top-level window with the standard frame; a window beside
//   the main one (the lesson) in a scroll area, opening to the main one's
//   right; the controls as QLineEdit, QScrollBar, QPushButton, QLabel and a
//   widget of its own for pictures, at the layout's places, in Fusion's style
//   and palette whatever the desktop's theme, and the toolkit's own texts in
//   Portuguese;
// - the keys, the mouse and a pen; a file dropped on a picture, or chosen in
//   Qt's own file dialog (the same on every desktop, so that tests can drive
//   it), read plain files only;
// - work in the background on a thread of the application's pool, a timer on
//   the events' thread, the clipboard (answered at once), a save dialog whose
//   file is written whole or not at all (file/PendingFile.h);
// - accessible names, descriptions, relations of a label to its control, and
//   a bar's value in the program's words;
// - a failure shown in a message box (where there is a screen), then an exit
//   with status 1.
//
// What it does not do:
// - the layout for fingers (a desktop has the mouse);
// - announcements to a screen reader: Qt 6.4 has none, so what a page
//   announces is put in an accessible description instead;
// - show the settled state anywhere: the desktop's tests ask the runtime.
namespace dct::platform::qt {

class QtBackend : public Backend {
 public:
  // Over the application that the host made (tests, tools, benchmarks), or
  // one of its own.
  explicit QtBackend(std::unique_ptr<QApplication> application = nullptr);
  ~QtBackend() override;
  QtBackend(const QtBackend&) = delete;
  QtBackend& operator=(const QtBackend&) = delete;

  std::unique_ptr<FormPeer> CreateForm(const FormSettings& settings) override;
  void CopyText(const std::string& text, std::function<void(bool copied)> done) override;
  void SaveFile(const std::string& suggestedName, std::vector<std::uint8_t> bytes,
                std::function<void(SaveOutcome outcome, const std::string& name)> done) override;
  void RunInBackground(std::function<void()> work, std::function<void()> finished) override;
  void RunLater(double milliseconds, std::function<void()> action) override;
  int DeliverEvents() override;
  void End() override;
  void Fail(const std::string& message) override;
  void ShowSettled(long long) override {}
  void ShowBusy() override {}

 private:
  std::unique_ptr<QApplication> application_;
  QTranslator translator_;
};

}  // namespace dct::platform::qt
