#pragma once

#include <emscripten/val.h>

#include "web/program.h"

namespace quorvel::web {

// Form1 as HTML from its layout table, in tab order: the document's order is the tab order.
void buildForm1(Program& p);

// Form1's events, each handed to the presenter as the desktop windows hand theirs.
void onFormEvent(const emscripten::val& event);
void onWindowBlur(const emscripten::val& event);

}  // namespace quorvel::web
