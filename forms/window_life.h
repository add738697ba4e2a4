#pragma once

#include <cstdint>

namespace quorvel::forms {

// The program's windows and when it ends. The About box exists at most once: About This Program
// opens it, or brings the open one to the front. EXIT ends the program at once with every window.
// Otherwise the program ends when its last window has closed, so an About box left open keeps it
// running after the main window has closed. A front end reports what happened and carries out
// the step it is given.
class WindowLife {
 public:
  enum class Window : std::uint8_t { Main, About };
  enum class Step : std::uint8_t { Nothing, OpenAbout, RaiseAbout, CloseAllAndEnd, End };

  Step mainOpened();
  Step aboutClicked();
  Step exitClicked();
  Step closed(Window window);

  [[nodiscard]] bool ended() const { return ended_; }

 private:
  bool mainOpen_ = false;
  bool aboutOpen_ = false;
  bool ended_ = false;
};

}  // namespace quorvel::forms
