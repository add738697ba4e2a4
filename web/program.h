#pragma once

#include <emscripten/val.h>

#include <array>
#include <memory>
#include <optional>

#include "forms/sheet_presenter.h"
#include "forms/window_life.h"
#include "sheet/address_sheet.h"
#include "web/element_box.h"

namespace quorvel::web {

// The running program: the sheet, its window and the About box while it is open.
struct Program {
  AddressSheet sheet;
  forms::SheetPresenter presenter{sheet};
  forms::WindowLife life;
  std::array<std::unique_ptr<ElementBox>, kFieldCount> boxes;
  val root = val::null();
  val form1 = val::null();
  val about = val::null();
  bool awayFromWindow = false;    // the page lost the focus to another window
  std::optional<Field> pressing;  // the box a press (mouse, finger or pen) brings the focus to
};

Program& program();

// Opens Form1 in `root`, as the program's start does on the desktop.
void start(const val& root);
// What the windows' life cycle asks for next: the About box, or the program's end.
void lifeStep(forms::WindowLife::Step step);

}  // namespace quorvel::web
