// quorvel for Windows: the main window over a fresh sheet, and the message loop.
#include <windows.h>

#include "win32/program.h"

// The parameters keep the names the system's headers give them.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, PWSTR /*lpCmdLine*/,
                    int nShowCmd) {
  quorvel::win32::Program program(hInstance);
  program.open(nShowCmd);
  return program.run();
}
