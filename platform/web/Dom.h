#pragma once

#include <emscripten/val.h>

#include <functional>
#include <string>

#include "Colour.h"
#include "ControlSettings.h"

// The page's elements, reached one way only: as embind values.
namespace dct::platform::web {

using emscripten::val;

val Document();
val CreateElement(const char* tag, const char* className);
// Sets a style property given in pixels ("24px").
void SetPixels(const val& element, const char* property, int pixels);
void SetAttribute(const val& element, const char* name, const std::string& value);
// Places the element at the control's rectangle, in pixels at 15 twips each,
// as the desktop edition does at scale 1, and names it as the program does.
void PlaceElement(val element, const ControlIdentity& identity);
std::string CssColour(Rgb colour);

// Calls `handler` with the event each time `type` happens on `target`.
void Listen(const val& target, const char* type, std::function<void(const val& event)> handler);

// What the page does after each event the user caused has been handled.
void AfterEachEvent(std::function<void()> action);

}  // namespace dct::platform::web
