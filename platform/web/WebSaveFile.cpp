// A page saves a file as the browser downloads one: where it goes, and
// whether the browser asks first, is the browser's and the user's affair.
#include <emscripten/val.h>

#include "platform/web/Dom.h"
#include "platform/web/WebBackend.h"

namespace dct::platform {

using emscripten::val;

void web::WebBackend::SaveFile(const std::string& suggestedName, std::vector<std::uint8_t> bytes,
                               std::function<void(SaveOutcome, const std::string&)> done) {
  // Copied out of the program's memory, which may move as it grows.
  val parts = val::array();
  parts.call<void>("push", val::global("Uint8Array")
                               .new_(emscripten::typed_memory_view(bytes.size(), bytes.data()))
                               .call<val>("slice"));
  val options = val::object();
  options.set("type", std::string("image/jpeg"));
  const val address =
      val::global("URL").call<val>("createObjectURL", val::global("Blob").new_(parts, options));
  val anchor = web::Document().call<val>("createElement", std::string("a"));
  anchor.set("href", address);
  anchor.set("download", web::Text(suggestedName));
  anchor.call<void>("click");
  // Once the browser has taken it; the address would otherwise keep the
  // bytes for as long as the page stays open.
  val::global("setTimeout")(
      val::global("URL")["revokeObjectURL"].call<val>("bind", val::global("URL"), address), 60000);
  done(SaveOutcome::Downloaded, suggestedName);
}

}  // namespace dct::platform
