// The program entry's steps, shared by the executable and the in-process tests.
#pragma once

#include <memory>

#include "platform/vcl/Application.h"

// Steps 1 to 5: prepares the application and creates the three windows, hidden.
void StartProgram(vcl::TApplication& application);

// Teardown after the message loop: the windows destroyed, newest first, the application object
// with its window, and last of all the single-instance mutex released.
void EndProgramTeardown(std::unique_ptr<vcl::TApplication> application);

// The whole run: start, message loop, teardown. Returns the process exit code.
int RunProgram();
