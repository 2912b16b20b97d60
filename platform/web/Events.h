#pragma once

#include <functional>
#include <vector>

#include "platform/web/Dom.h"

namespace dct::platform::web {

// The one entry from the browser's events into the program. The browser
// holds no C++ object: each listener is a number, bound with this object's
// address to the program's entry.
class Events {
 public:
  Events();
  Events(const Events&) = delete;
  Events& operator=(const Events&) = delete;

  // Calls `handler` with the event each time `type` happens on `target`:
  // input of the user's, after which the page does its own work
  // (AfterEachUserInput).
  void Listen(const val& target, const char* type, std::function<void(const val& event)> handler);
  // The same for what is no input to a window (the page's size, its address).
  void Observe(const val& target, const char* type, std::function<void(const val& event)> handler);
  // The same for an event that is the user's input only when `handler` says
  // it took it (returns true), such as one key of many.
  void ListenTaken(const val& target, const char* type,
                   std::function<bool(const val& event)> handler);
  // A JavaScript function that calls `handler` with its argument, as input of
  // the user's: for a promise that a user's action started (a file read).
  val Callback(std::function<void(const val& argument)> handler);
  // A JavaScript function that calls `handler` with its argument, as no input
  // of the user's: for a timer or the page's painting.
  val Quiet(std::function<void(const val& argument)> handler);

  // What the page does after each event the user caused has been handled,
  // whether it raised a handler or not (Runtime::AfterEachEvent follows every
  // outermost handler instead, also one that a change of address raised).
  void AfterEachUserInput(std::function<void()> action);

  // The browser's event for listener `id`; for the program's entry.
  void Dispatch(int id, const val& event);

 private:
  // Handles an event; returns whether it was the user's input.
  using Listener = std::function<bool(const val&)>;

  val bound(Listener listener);

  val entry_;
  std::vector<Listener> listeners_;
  std::function<void()> afterEachInput_;
  int dispatching_ = 0;
};

}  // namespace dct::platform::web
