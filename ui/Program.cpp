#include "Program.h"

namespace dct::ui {

Program::Program(ProgramOptions options) : options_(std::move(options)) {
  const bool challenge = KindOfLink(LinkFragment(options_.link)) == LinkKind::Challenge;
  if (options_.lesson || challenge) {
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
  if (!options_.link.empty()) OpenLink(options_.link);
}

LinkKind Program::OpenLink(std::string_view link) {
  const LinkKind kind = OpenPageLink(LinkFragment(link), window_, lesson_.get());
  if (options_.showNotice) options_.showNotice(kind == LinkKind::Unreadable ? kUnreadableLink : "");
  return kind;
}

}  // namespace dct::ui
