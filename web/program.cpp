#include "web/program.h"

#include <string>

#include "forms/program_identity.h"
#include "web/colour_scheme.h"
#include "web/dialogs.h"
#include "web/dom.h"
#include "web/form1_page.h"

namespace quorvel::web {
namespace {

std::unique_ptr<Program> running;

// EXIT: a browser tab stays open, so the program ends in the page.
void endProgram() {
  val root = running->root;
  root.set("textContent", std::string(""));
  val line = create("p", root);
  line.set("className", std::string("ended"));
  line.set("textContent", std::string(forms::kTitle) + " has ended. ");
  val again = create("a", line);
  again.set("href", std::string(""));
  again.set("textContent", std::string("Start again"));
}

}  // namespace

Program& program() {
  return *running;
}

void lifeStep(forms::WindowLife::Step step) {
  using Step = forms::WindowLife::Step;
  if (step == Step::OpenAbout) openAbout(*running);
  if (step == Step::CloseAllAndEnd || step == Step::End) endProgram();
}

void start(const val& root) {
  running = std::make_unique<Program>();
  Program& p = *running;
  p.root = root;
  p.root.set("textContent", std::string(""));
  buildForm1(p);
  p.sheet.setCommandHandler(Button::Command1, [] { lifeStep(running->life.exitClicked()); });
  p.sheet.setCommandHandler(Button::Command3, [] { lifeStep(running->life.aboutClicked()); });
  listen(val::global("window"), "blur", "onWindowBlur");
  followColourScheme();
  listen(val::global("window").call<val>("matchMedia", std::string("(prefers-color-scheme: dark)")),
         "change", "followColourScheme");
  p.life.mainOpened();
  p.presenter.refresh();
  p.presenter.enterFirstField();
}

}  // namespace quorvel::web
