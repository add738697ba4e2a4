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
  life_.mainOpened();
  form1_->show(showCommand);
}

int Program::run() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(message);
  return static_cast<int>(message.wParam);
}

void Program::dispatch(MSG& message) {
  HWND top = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  const HWND focus = GetFocus();
  if (top == nullptr || !IsDialogMessageW(top, &message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (const HWND now = GetFocus(); now != focus) {
    // The window the message was for, and the one that holds the focus now.
    const HWND entered = now != nullptr ? GetAncestor(now, GA_ROOT) : nullptr;
    frameDefaultButton(top);
    if (entered != top) frameDefaultButton(entered);
  }
}

void Program::end() {
  if (ended_) return;
  ended_ = true;
  PostQuitMessage(0);
}

void Program::exitProgram() {
  if (life_.exitClicked() != forms::WindowLife::Step::CloseAllAndEnd) return;
  end();
  if (aboutBox() != nullptr) DestroyWindow(about_->hwnd());
  if (form1_ && form1_->isOpen()) DestroyWindow(form1_->hwnd());
}

// The box has no owner, so that it stays open, and keeps the program running, when the main
// window is closed.
void Program::showAbout() {
  const forms::WindowLife::Step step = life_.aboutClicked();
  if (step == forms::WindowLife::Step::OpenAbout) {
    about_ = std::make_unique<AboutWindow>(*this, instance_);
  } else if (step == forms::WindowLife::Step::RaiseAbout && aboutBox() != nullptr) {
    about_->bringToFront();
  }
}

void Program::windowClosed(forms::WindowLife::Window window) {
  if (life_.closed(window) == forms::WindowLife::Step::End) end();
}

}  // namespace quorvel::win32
