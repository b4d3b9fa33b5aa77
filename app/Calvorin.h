// The program entry's steps, shared by the executable and the in-process tests.
#pragma once

#include "platform/vcl/Application.h"

// Prepares the application and creates the three windows, hidden.
void StartProgram(vcl::TApplication& application);

// The whole run: start, message loop, teardown. Returns the process exit code.
int RunProgram();
