// quorvel for Windows: the main window over a fresh sheet, and the message loop.
#include <windows.h>

#include "win32/program.h"

// The parameters keep the names the system's headers give them.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, PWSTR /*lpCmdLine*/,
                    int nShowCmd) {
  // Held as long as the program runs, and let go by the system when it ends, however it ends: the
  // installer and the uninstaller ask for it before they replace or remove the program's file.
  CreateMutexW(nullptr, FALSE, QUORVEL_RUNNING_MUTEX);
  quorvel::win32::Program program(hInstance);
  program.open(nShowCmd);
  return program.run();
}
