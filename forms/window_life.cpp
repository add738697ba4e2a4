#include "forms/window_life.h"

namespace quorvel::forms {

using Step = WindowLife::Step;

Step WindowLife::mainOpened() {
  mainOpen_ = true;
  return Step::Nothing;
}

Step WindowLife::aboutClicked() {
  if (ended_) return Step::Nothing;
  if (aboutOpen_) return Step::RaiseAbout;
  aboutOpen_ = true;
  return Step::OpenAbout;
}

Step WindowLife::exitClicked() {
  if (ended_) return Step::Nothing;
  ended_ = true;
  return Step::CloseAllAndEnd;
}

Step WindowLife::closed(Window window) {
  (window == Window::Main ? mainOpen_ : aboutOpen_) = false;
  if (ended_ || mainOpen_ || aboutOpen_) return Step::Nothing;
  ended_ = true;
  return Step::End;
}

}  // namespace quorvel::forms
