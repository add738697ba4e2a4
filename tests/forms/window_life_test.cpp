// When the About box opens, when the program ends: each row a sequence of what happens, m the
// main window opening, a About This Program, x EXIT, M and A the main window or the About box
// closing; and the steps the program is given: O open the box, R raise it, X close everything
// and end, E end, - nothing.
#include "forms/window_life.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel::forms {
namespace {

TEST(WindowLife, OneAboutBoxAndTheEnd) {
  using Step = WindowLife::Step;
  const struct {
    const char* events;
    const char* steps;
  } cases[] = {
      {"mM", "-E"},     {"maaAa", "-OR-O"},  // one box at most, a new one after it closed
      {"maMA", "-O-E"},                      // the box outlives the main window
      {"maAM", "-O-E"}, {"maxAM", "-OX--"},  // EXIT with the box open
      {"mxMa", "-X--"},                      // nothing after the end
  };
  for (const auto& c : cases) {
    WindowLife life;
    std::string steps;
    for (const char* e = c.events; *e != '\0'; ++e) {
      const Step step = *e == 'm'   ? life.mainOpened()
                        : *e == 'a' ? life.aboutClicked()
                        : *e == 'x' ? life.exitClicked()
                                    : life.closed(*e == 'M' ? WindowLife::Window::Main
                                                            : WindowLife::Window::About);
      steps += "-ORXE"[static_cast<int>(step)];
    }
    EXPECT_EQ(steps, c.steps) << c.events;
  }
}

}  // namespace
}  // namespace quorvel::forms
