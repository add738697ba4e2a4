#pragma once

#include <emscripten/val.h>

#include <string>

#include "forms/colours.h"
#include "forms/fonts.h"
#include "forms/twips.h"

// The few DOM calls the page makes, and how a control of the layout tables becomes an element.
namespace quorvel::web {

using emscripten::val;

val document();
val create(const char* tag, const val& parent);
val byId(const std::string& id);
void listen(const val& target, const char* event, const char* handler);
void setAttribute(const val& element, const char* name, const std::string& value);
void setStyleProperty(const val& element, const char* name, const std::string& value);

std::string cssColour(forms::Rgb c);
// A colour as the browser's computed style writes it: "rgb(r, g, b)".
forms::Rgb rgbOf(const std::string& css);

// Gives an element its designed place (CSS pixels, 15 twips to the pixel) and face, and the
// name of its area in the compact arrangement. The style sheet decides how they are used: as
// designed, scaled to a touch screen's width, or the compact grid of a narrow screen.
void place(const val& element, const forms::Place& p, forms::Face face, const std::string& area);

// A button showing `text`, pressed by Alt and `accessKey` where it has one.
val button(const val& parent, const std::string& text, char accessKey, const forms::Place& p,
           forms::Face face, const std::string& area);

}  // namespace quorvel::web
