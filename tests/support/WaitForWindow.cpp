// wait_for_window CLASS SECONDS: exits 0 once a top-level window of that class exists.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atoi(argv[2])) * 1000;
  while (FindWindowA(argv[1], nullptr) == nullptr) {
    if (static_cast<LONG>(GetTickCount() - deadline) > 0) {
      std::fprintf(stderr, "no window of class %s after %s s\n", argv[1], argv[2]);
      return 1;
    }
    Sleep(100);
  }
  return 0;
}
