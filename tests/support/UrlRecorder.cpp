// url_recorder LOG ADDRESS: a stand-in web browser for the tests. The shell's "open" command for
// an address runs it; it appends the address it was given to LOG, one line each, and ends.
// A windowed program, so that no console appears for it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 3) return 2;
  FILE* log = std::fopen(__argv[1], "ab");
  if (log == nullptr) return 1;
  std::fprintf(log, "%s\n", __argv[2]);
  std::fclose(log);
  return 0;
}
