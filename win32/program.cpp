#include "win32/program.h"

namespace quorvel::win32 {

Program::Program(HINSTANCE instance) : instance_(instance) {}

Program::~Program() {
  ended_ = true;  // closing what is left ends nothing more
  about_.reset();
  form1_.reset();
}

void Program::open(int showCommand) {
  form1_ = std::make_unique<Form1Window>(*this, instance_);
  form1_->show(showCommand);
}

int Program::run() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(message);
  return static_cast<int>(message.wParam);
}

void Program::dispatch(MSG& message) {
  HWND top = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (top != nullptr && IsDialogMessageW(top, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void Program::end() {
  if (ended_) return;
  ended_ = true;
  PostQuitMessage(0);
}

void Program::exitProgram() {
  end();
  if (aboutBox() != nullptr) DestroyWindow(about_->hwnd());
  if (form1_ && form1_->isOpen()) DestroyWindow(form1_->hwnd());
}

// One box at most. It has no owner, so that it stays open, and keeps the program running, when
// the main window is closed.
void Program::showAbout() {
  if (AboutWindow* open = aboutBox()) {
    open->bringToFront();
    return;
  }
  about_ = std::make_unique<AboutWindow>(*this, instance_);
}

void Program::windowClosed() {
  const bool mainOpen = form1_ && form1_->isOpen();
  if (!mainOpen && aboutBox() == nullptr) end();
}

}  // namespace quorvel::win32
