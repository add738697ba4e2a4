#pragma once

#include <emscripten/val.h>

#include "web/program.h"

namespace quorvel::web {

// The About box as HTML from its layout table, as a modal dialog; its System Info button ends in
// the one message, a modal dialog of its own.
void openAbout(Program& p);

void onDialogClick(const emscripten::val& event);
void onDialogKey(const emscripten::val& event);
void onAboutClose(const emscripten::val& event);
void onMessageClose(const emscripten::val& event);

}  // namespace quorvel::web
