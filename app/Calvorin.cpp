#include "app/Calvorin.h"

#include "info/Unit2.h"
#include "info/Unit3.h"
#include "options/Unit1.h"
#include "platform/abf/OneInstance.h"

void StartProgram(vcl::TApplication& application) {
  application.Initialize();
  // Replaces the whole extended style: a tool window gets no taskbar button, nor do the
  // windows it owns.
  SetWindowLongA(application.Handle(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);
  application.SetTitle("Calvorin");
  application.CreateForm(Form1);
  application.CreateForm(About);
  application.CreateForm(HelpForm);
}

void EndProgramTeardown(std::unique_ptr<vcl::TApplication> application) {
  application->DestroyForms();
  application.reset();
  // Last of all: from now on a new start can be the first.
  abf::ReleaseInstanceMutex();
}

int RunProgram() {
  auto application = std::make_unique<vcl::TApplication>();
  StartProgram(*application);
  application->Run();
  EndProgramTeardown(std::move(application));
  return 0;
}
