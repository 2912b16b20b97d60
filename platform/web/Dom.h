#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "common/Colour.h"
#include "platform/ControlSettings.h"

// The page's elements, reached one way only: as embind values.
namespace dct::platform::web {

using emscripten::val;

val Document();
// A name that the program passes often (a property, an attribute, an event
// type) as a JavaScript string: the text of a string literal.
val Key(const char* literal);
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

}  // namespace dct::platform::web
