#include <memory>
#include <string>

#include "Backend.h"
#include "Dom.h"
#include "Runtime.h"
#include "WebForm.h"

namespace dct::platform {

using web::val;

namespace {

constexpr const char* kEnded = "O programa terminou. Recarregue a página para o iniciar de novo.";

}  // namespace

// The page goes on after this returns: the browser delivers the events.
int backend::Run(int, char**, const ProgramDescription& program) {
  static std::unique_ptr<StartupForm> form;
  form = program.createStartupForm();
  Runtime::LoadAndShow(*form);
  return 0;
}

// The clipboard takes text only from a secure page (a file or https) and
// after a user's action; elsewhere the link stays in its box to copy.
void backend::CopyText(const std::string& text) {
  const val clipboard = val::global("navigator")["clipboard"];
  if (clipboard.isUndefined()) return;
  val written = clipboard.call<val>("writeText", web::Text(text));
  static const val ignore = web::Callback([](const val&) {});
  written.call<val>("catch", ignore);
}

// A page does not end itself: closing it would close the tab, or the whole
// browser window, with the block. It takes no more input and says so; the
// block stays in sight.
void backend::End() { web::WebForm::CloseAll(kEnded, false); }

void backend::Fail(const std::string& message) {
  web::WebForm::CloseAll("Erro fatal: " + message + ". " + kEnded, true);
}

}  // namespace dct::platform
