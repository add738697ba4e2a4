#pragma once

#include <emscripten/val.h>

namespace quorvel::web {

// The disabled boxes' text: the scheme's grey, made readable on their background
// (forms::readableDisabledText), again whenever the colour scheme changes.
void followColourScheme(const emscripten::val& event = emscripten::val::null());

}  // namespace quorvel::web
