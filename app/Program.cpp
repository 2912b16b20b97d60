#include "app/Program.h"

namespace dct::ui {

Program::Program(platform::Runtime& runtime, ProgramOptions options)
    : options_(std::move(options)), link_(ReadPageLink(options_.link)), window_(runtime) {
  if (options_.lesson || link_.kind == LinkKind::Challenge) {
    lesson_ = std::make_unique<Lesson>(runtime, window_, options_.seed, options_.linkBase,
                                       [this](std::string_view text) { return openQuietly(text); });
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
  if (!options_.link.empty()) {
    open(link_);
    if (options_.showNotice) options_.showNotice(NoticeFor(link_.kind));
  }
}

LinkKind Program::OpenLink(std::string_view link) {
  const PageLink read = ReadPageLink(link);
  open(read);
  if (options_.showNotice) options_.showNotice(NoticeFor(read.kind));
  return read.kind;
}

LinkKind Program::openQuietly(std::string_view link) {
  const PageLink read = ReadPageLink(link);
  open(read);
  return read.kind;
}

// The page speaks of its address; the desktop of the link it was given.
std::string Program::NoticeFor(LinkKind kind) const {
  const bool page = !options_.linkBase.empty();
  if (kind == LinkKind::Unreadable) {
    return page ? "O endereço desta página traz coeficientes que não se podem ler; foram ignorados."
                : "a ligação dada traz coeficientes que não se podem ler; foi ignorada.";
  }
  if (kind == LinkKind::DamagedChallenge) {
    return page ? "O desafio no endereço desta página está danificado (falta ou mudou algum "
                  "carácter); peça de novo a ligação a quem a enviou."
                : "a ligação de desafio dada está danificada (falta ou mudou algum carácter); foi "
                  "ignorada.";
  }
  return {};
}

// A block ends any challenge and enters its table; a challenge opens in the
// lesson (when there is one) with an empty window; anything unreadable
// changes nothing.
void Program::open(const PageLink& link) {
  if (link.kind == LinkKind::Challenge) {
    if (lesson_) lesson_->OpenChallenge(link.table);
  } else if (link.kind == LinkKind::Block) {
    if (lesson_) lesson_->EndChallenge();
    window_.EnterTable(link.table);
  }
}

}  // namespace dct::ui
