// The page's entry and the handlers its elements' events call.
#include <emscripten/bind.h>

#include "web/colour_scheme.h"
#include "web/dialogs.h"
#include "web/form1_page.h"
#include "web/program.h"

EMSCRIPTEN_BINDINGS(quorvel) {
  using namespace quorvel::web;
  emscripten::function("start", &start);
  emscripten::function("onFormEvent", &onFormEvent);
  emscripten::function("onDialogClick", &onDialogClick);
  emscripten::function("onDialogKey", &onDialogKey);
  emscripten::function("onAboutClose", &onAboutClose);
  emscripten::function("onMessageClose", &onMessageClose);
  emscripten::function("onWindowBlur", &onWindowBlur);
  emscripten::function("followColourScheme", &followColourScheme);
}
