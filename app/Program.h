#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "model/link/PageLink.h"
#include "platform/Runtime.h"
#include "ui/lesson/Lesson.h"
#include "ui/window/Form1.h"

namespace dct::ui {

struct ProgramOptions {
  // Opens the lesson beside the window; a challenge's link opens it too.
  bool lesson = false;
  // A page link, or its fragment, to open once the windows are shown.
  std::string link;
  std::uint32_t seed = 0;
  // The page's address without its fragment; empty on the desktop.
  std::string linkBase;
  // Where a link that cannot be read is said to be ignored (and an empty
  // notice once a readable one opens).
  std::function<void(std::string_view notice)> showNotice;
};

// The program's start-up: the window, and the lesson where asked for.
class Program : public platform::StartupForm {
 public:
  Program(platform::Runtime& runtime, ProgramOptions options);
  ~Program() override;

  void Form_Load() override;
  void Show() override;

  // Opens a link as at start-up and says so when it cannot be read.
  LinkKind OpenLink(std::string_view link);
  // What is said of a link of that kind: the page's address or the desktop's
  // argument that cannot be read; nothing for one that opens.
  std::string NoticeFor(LinkKind kind) const;

  Form1& MainWindow() { return window_; }
  Lesson* LessonForm() { return lesson_.get(); }

 private:
  void open(const PageLink& link);
  // As OpenLink, the lesson's own link box saying what it made of the link.
  LinkKind openQuietly(std::string_view link);

  ProgramOptions options_;
  // The link to open at start-up, read once.
  PageLink link_;
  Form1 window_;
  std::unique_ptr<Lesson> lesson_;
};

}  // namespace dct::ui
