// quorvel for Windows: the main window over a fresh sheet, and the message loop.
#include <windows.h>

#include "win32/program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  quorvel::win32::Program program(instance);
  program.open(showCommand);
  return program.run();
}
