#include <memory>
#include <string>

#include "Backend.h"
#include "Runtime.h"
#include "WebForm.h"

namespace dct::platform {
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

// A page does not end itself: closing it would close the tab, or the whole
// browser window, with the block. It takes no more input and says so; the
// block stays in sight.
void backend::End() { web::WebForm::CloseAll(kEnded, false); }

void backend::Fail(const std::string& message) {
  web::WebForm::CloseAll("Erro fatal: " + message + ". " + kEnded, true);
}

}  // namespace dct::platform
