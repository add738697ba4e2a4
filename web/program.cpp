// The program in the page: the sheet, the presenter over the page's boxes and the windows' life
// cycle, behind the few functions the page's script calls for its events. Each returns what the
// page must then do, as one batch (web/batch.h).
#include <emscripten/emscripten.h>

#include <array>
#include <cctype>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/about_layout.h"
#include "forms/colours.h"
#include "forms/enter_key.h"
#include "forms/program_identity.h"
#include "forms/sheet_presenter.h"
#include "forms/window_life.h"
#include "sheet/address_sheet.h"
#include "sysinfo/start_sys_info.h"
#include "sysinfo/sys_info_platform.h"
#include "web/batch.h"
#include "web/dialog_html.h"

namespace quorvel::web {
namespace {

struct Program {
  Program() {
    for (const Field f : kAllFields) {
      // The sheet is as it starts, as the page's Form1 shows it.
      boxes[indexOf(f)] = std::make_unique<BatchBox>(f, batch, focus, sheet);
      presenter.bind(f, *boxes[indexOf(f)]);
    }
  }
  AddressSheet sheet;
  forms::SheetPresenter presenter{sheet};
  forms::WindowLife life;
  Batch batch;
  BatchBox::Focus focus;
  std::array<std::unique_ptr<BatchBox>, kFieldCount> boxes;
  std::vector<char> edited;  // where the page writes a box's edited text
};

std::unique_ptr<Program> program;

void lifeStep(forms::WindowLife::Step step) {
  using Step = forms::WindowLife::Step;
  if (step == Step::OpenAbout) program->batch.add(Op::Dialog, std::nullopt, aboutHtml());
  if (step == Step::CloseAllAndEnd || step == Step::End) {
    program->batch.add(Op::End, std::nullopt, endedHtml());
  }
}

// A browser has no registry and no such tool: System Info ends in its message.
class PagePlatform final : public sysinfo::SysInfoPlatform {
 public:
  long openKey(std::uint32_t, const std::string&, std::uint32_t, std::uint32_t,
               sysinfo::KeyHandle&) override {
    return sysinfo::kErrorFileNotFound;
  }
  long queryValue(sysinfo::KeyHandle, const std::string&, std::uint32_t&, unsigned char*,
                  std::uint32_t&) override {
    return sysinfo::kErrorFileNotFound;
  }
  long closeKey(sysinfo::KeyHandle) override { return sysinfo::kErrorSuccess; }
  bool fileExists(const std::string&) override { return false; }
  void launch(const std::string&) override {}
  void showMessage(const std::string& text, const std::string& caption) override {
    program->batch.add(Op::Dialog, std::nullopt, messageHtml(text, caption));
  }
};

// Starts an event's batch.
Program& begin() {
  program->batch.clear();
  return *program;
}

}  // namespace
}  // namespace quorvel::web

using quorvel::web::begin;
using quorvel::web::program;

extern "C" {

// Form1 is in the page already, in the sheet's initial state, perhaps with the user's first
// edits: the program takes it over.
EMSCRIPTEN_KEEPALIVE const void* qvStart() {
  using namespace quorvel;
  program = std::make_unique<web::Program>();
  web::Program& p = begin();
  p.sheet.setCommandHandler(Button::Command1, [] { web::lifeStep(program->life.exitClicked()); });
  p.sheet.setCommandHandler(Button::Command3, [] { web::lifeStep(program->life.aboutClicked()); });
  p.life.mainOpened();
  p.presenter.boxesShowSheet();
  p.presenter.refresh();
  p.presenter.enterFirstField();
  return p.batch.outbox();
}

// Before every event: the box that holds the page's focus (0: none) and its selection.
EMSCRIPTEN_KEEPALIVE void qvFocusIs(int field, int anchor, int cursor) {
  quorvel::web::BatchBox::Focus& focus = program->focus;
  focus.holder = field > 0 ? std::optional(static_cast<quorvel::Field>(field)) : std::nullopt;
  focus.anchor = anchor;
  focus.cursor = cursor;
}

// Room for an edited text of `bytes` UTF-8 bytes, which the page writes there.
EMSCRIPTEN_KEEPALIVE char* qvTextBuffer(int bytes) {
  std::vector<char>& buffer = program->edited;
  // Grown, never cleared: the page writes over it.
  if (buffer.size() < static_cast<std::size_t>(bytes))
    buffer.resize(static_cast<std::size_t>(bytes));
  return buffer.data();
}

// The user changed a box's text (the first `bytes` of the buffer); the cursor in UTF-16 units.
EMSCRIPTEN_KEEPALIVE const void* qvEdited(int field, int bytes, int cursor) {
  auto& p = begin();
  p.presenter.edited(static_cast<quorvel::Field>(field),
                     std::string(p.edited.data(), static_cast<std::size_t>(bytes)), cursor);
  return p.batch.outbox();
}

// A box (field > 0) or a button (0) took the focus; a switch of windows is no focus move.
EMSCRIPTEN_KEEPALIVE const void* qvFocusEntered(int field, int windowSwitch) {
  auto& p = begin();
  if (field > 0) {
    p.presenter.focusEntered(static_cast<quorvel::Field>(field), windowSwitch != 0);
  } else {
    p.presenter.buttonFocused(windowSwitch != 0);
  }
  return p.batch.outbox();
}

// The press that brought the focus to a box has become a click: the sheet's selection wins.
EMSCRIPTEN_KEEPALIVE const void* qvClickSettled(int field) {
  auto& p = begin();
  p.presenter.clickSettled(static_cast<quorvel::Field>(field));
  return p.batch.outbox();
}

EMSCRIPTEN_KEEPALIVE const void* qvButtonClicked(int button) {
  auto& p = begin();
  p.presenter.buttonClicked(static_cast<quorvel::Button>(button));
  return p.batch.outbox();
}

EMSCRIPTEN_KEEPALIVE const void* qvSysInfo() {
  auto& p = begin();
  quorvel::web::PagePlatform platform;
  quorvel::sysinfo::StartSysInfo(platform, quorvel::forms::kTitle);
  return p.batch.outbox();
}

EMSCRIPTEN_KEEPALIVE const void* qvAboutClosed() {
  auto& p = begin();
  quorvel::web::lifeStep(p.life.closed(quorvel::forms::WindowLife::Window::About));
  return p.batch.outbox();
}

// Which of a dialog's buttons a key presses (-1: none): Enter the focused one, else the default;
// Alt and a button's access key that one. The About box's buttons are its table's, in order; the
// message has OK alone. `key` is the key's character, or 13 for Enter; `focused` -1 for none.
EMSCRIPTEN_KEEPALIVE int qvDialogKey(int about, int key, int alt, int focused) {
  using namespace quorvel::forms;
  std::array<const AboutControl*, 2> buttons{&kCmdOK, nullptr};
  int count = 1;
  if (about != 0) {
    count = 0;
    for (const AboutControl* row : kAboutControls) {
      if (row->kind == AboutKind::Button && count < 2) buttons[count++] = row;
    }
  }
  if (key == '\r' && alt == 0) {
    std::optional<int> byDefault;
    for (int i = 0; i < count; ++i) {
      if (buttons[i]->role == ButtonRole::DefaultAndCancel) byDefault = i;
    }
    return enterPresses(focused >= 0 ? std::optional(focused) : std::nullopt, byDefault)
        .value_or(-1);
  }
  if (alt == 0 || about == 0) return -1;
  for (int i = 0; i < count; ++i) {
    const char access = accessKeyOf(buttons[i]->caption);
    if (access != '\0' && std::tolower(key) == std::tolower(access)) return i;
  }
  return -1;
}

// The disabled boxes' text: the scheme's grey, made readable on their background. Colours as
// 0xRRGGBB.
EMSCRIPTEN_KEEPALIVE int qvDisabledText(int background, int grey, int text) {
  using quorvel::forms::Rgb;
  const auto rgb = [](int c) {
    return Rgb{static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
               static_cast<std::uint8_t>(c)};
  };
  const Rgb readable = quorvel::forms::readableDisabledText(rgb(background), rgb(grey), rgb(text));
  return (readable.red << 16) | (readable.green << 8) | readable.blue;
}

// Runs what the first keystrokes run, through the same entries, on a program of its own: the
// browser compiles each function at its first call, and that call is then not the user's.
EMSCRIPTEN_KEEPALIVE void qvWarmUp() {
  using quorvel::Field;
  auto user = std::exchange(program, std::make_unique<quorvel::web::Program>());
  program->presenter.enterFirstField();
  auto type = [](Field focus, Field field, const char* text) {
    const int bytes = static_cast<int>(std::strlen(text));
    qvFocusIs(static_cast<int>(focus), 0, bytes);
    std::memcpy(qvTextBuffer(bytes), text, static_cast<std::size_t>(bytes));
    qvEdited(static_cast<int>(field), bytes, bytes);
  };
  for (const char* typed : {"1", "200", "150", "1"}) type(Field::Text1, Field::Text1, typed);
  qvFocusEntered(static_cast<int>(Field::Text23), 0);
  type(Field::Text23, Field::Text23, "224");
  qvFocusEntered(static_cast<int>(Field::Text31), 0);
  type(Field::Text32, Field::Text32, "3232235777");
  program = std::move(user);
}
}  // extern "C"
