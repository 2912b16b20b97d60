#include "Program.h"

namespace dct::ui {

Program::Program(ProgramOptions options)
    : options_(std::move(options)), link_(ReadPageLink(options_.link)) {
  if (options_.lesson || link_.kind == LinkKind::Challenge) {
    lesson_ = std::make_unique<Lesson>(window_, options_.seed, options_.linkBase);
  }
}

Program::~Program() = default;

void Program::Form_Load() {
  window_.Form_Load();
  if (lesson_) lesson_->Form_Load();
}

// The link goes in once both windows are up, each of its events raised on
// its own, as the user's would be.
void Program::Show() {
  window_.Show();
  if (lesson_) lesson_->Show();
  if (!options_.link.empty()) open(link_);
}

LinkKind Program::OpenLink(std::string_view link) {
  const PageLink read = ReadPageLink(link);
  open(read);
  return read.kind;
}

void Program::open(const PageLink& link) {
  OpenPageLink(link, window_, lesson_.get());
  if (options_.showNotice) {
    options_.showNotice(link.kind == LinkKind::Unreadable ? kUnreadableLink : "");
  }
}

}  // namespace dct::ui
