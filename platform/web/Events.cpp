#include "platform/web/Events.h"

#include <emscripten/bind.h>

#include <cstdint>
#include <utility>

namespace dct::platform::web {
namespace {

void dispatchTo(std::uintptr_t events, int id, val event) {
  reinterpret_cast<Events*>(events)->Dispatch(id, event);
}

std::function<bool(const val&)> always(std::function<void(const val&)> handler, bool userInput) {
  return [handler = std::move(handler), userInput](const val& event) {
    handler(event);
    return userInput;
  };
}

}  // namespace

EMSCRIPTEN_BINDINGS(dct_events) { emscripten::function("dctDispatch", &dispatchTo); }

Events::Events() : entry_(val::module_property("dctDispatch")) {}

// Events do not nest here (setting a property from C++ raises none), but a
// focus change could: only the outermost input is followed by the page's
// own work.
void Events::Dispatch(int id, const val& event) {
  ++dispatching_;
  const bool userInput = listeners_[static_cast<std::size_t>(id)](event);
  --dispatching_;
  if (dispatching_ == 0 && userInput && afterEachInput_) afterEachInput_();
}

val Events::bound(Listener listener) {
  listeners_.push_back(std::move(listener));
  return entry_.call<val>("bind", val::null(), reinterpret_cast<std::uintptr_t>(this),
                          static_cast<int>(listeners_.size() - 1));
}

void Events::Listen(const val& target, const char* type,
                    std::function<void(const val& event)> handler) {
  target.call<void>("addEventListener", Key(type), bound(always(std::move(handler), true)));
}

void Events::Observe(const val& target, const char* type,
                     std::function<void(const val& event)> handler) {
  target.call<void>("addEventListener", Key(type), bound(always(std::move(handler), false)));
}

void Events::ListenTaken(const val& target, const char* type,
                         std::function<bool(const val& event)> handler) {
  target.call<void>("addEventListener", Key(type), bound(std::move(handler)));
}

val Events::Callback(std::function<void(const val& argument)> handler) {
  return bound(always(std::move(handler), true));
}

val Events::Quiet(std::function<void(const val& argument)> handler) {
  return bound(always(std::move(handler), false));
}

void Events::AfterEachUserInput(std::function<void()> action) {
  afterEachInput_ = std::move(action);
}

}  // namespace dct::platform::web
