#include <windows.h>

#include <cstdlib>

#include "app/Calvorin.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return RunProgram();
}

// The runtime's default handler for an uncaught exception prints the exception's demangled type
// to standard error, which a windowed program does not have; replacing it leaves the demangler,
// a third of the executable's code, out of the link.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx
