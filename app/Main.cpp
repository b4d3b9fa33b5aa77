#include <windows.h>

#include "app/Calvorin.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return RunProgram();
}
