#pragma once

#include <emscripten/val.h>

#include <functional>
#include <string>
#include <string_view>

#include "common/Colour.h"
#include "platform/ControlSettings.h"

// The page's elements, reached one way only: as embind values.
namespace dct::platform::web {

using emscripten::val;

val Document();
// A name that the program passes often (a property, an attribute, an event
// type), made into a JavaScript string once: the text of a string literal.
const val& Key(const char* literal);
// Text for the page, UTF-8. Plain ASCII goes over as a C string, which embind
// reads as Latin-1, quicker than a std::string, which it first copies into a
// buffer of its own; anything else as a std::string, read as UTF-8.
val Text(std::string_view text);
val CreateElement(const char* tag, const char* className);
// Sets a style property given in pixels ("24px").
void SetPixels(const val& element, const char* property, int pixels);
void SetAttribute(const val& element, const char* name, std::string_view value);
// Places the element at the control's rectangle, in pixels at 15 twips each
// as the desktop edition does at scale 1, and at its rectangle for fingers
// where it has one (the page's style picks one by the screen's width); names
// it as the program does.
void PlaceElement(val& element, const ControlIdentity& identity);
std::string CssColour(Rgb colour);
// Seen by no one, heard by screen readers: each new text of the element that
// this adds to the client area is said once the reader is done speaking.
val CreateAnnouncer(const val& client);
// Marks the element disabled or enabled (the class "disabled", which the
// page's style dims): a box or a button as the browser disables one; any
// other element told disabled to screen readers and, where Tab reached it
// (`focusable`), taken out of the focus chain altogether.
void ShowEnabledElement(val element, bool enabled, bool focusable);

// Calls `handler` with the event each time `type` happens on `target`: input
// of the user's, after which the page does its own work (AfterEachUserInput).
void Listen(const val& target, const char* type, std::function<void(const val& event)> handler);
// The same for what is no input to a window (the page's size, its address).
void Observe(const val& target, const char* type, std::function<void(const val& event)> handler);
// The same for an event that is the user's input only when `handler` says it
// took it (returns true), such as one key of many.
void ListenTaken(const val& target, const char* type,
                 std::function<bool(const val& event)> handler);

// A JavaScript function that calls `handler` with its argument, as input of
// the user's: for a promise that a user's action started (a file read).
val Callback(std::function<void(const val& argument)> handler);

// What the page does after each event the user caused has been handled,
// whether it raised a handler or not (Runtime::AfterEachEvent follows every
// outermost handler instead, also one that a change of address raised).
void AfterEachUserInput(std::function<void()> action);

}  // namespace dct::platform::web
