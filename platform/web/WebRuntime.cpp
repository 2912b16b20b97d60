#include <emscripten/val.h>

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

// A page cannot end itself: it takes no more input, says so, and asks the
// browser to close it, which browsers allow only for some pages.
void backend::End() {
  web::WebForm::CloseAll(kEnded, false);
  emscripten::val::global("window").call<void>("close");
}

void backend::Fail(const std::string& message) {
  web::WebForm::CloseAll("Erro fatal: " + message + ". " + kEnded, true);
}

}  // namespace dct::platform
