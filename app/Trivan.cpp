// Program entry: the application object, the main window, the message loop;
// or, with a switch for administrators, that command without a window.
#include <windows.h>

#include "app/AdminCommands.h"
#include "app/DesktopInteraction.h"
#include "app/MainForm.h"
#include "help/HelpTools.h"
#include "support/ComPointer.h"
#include "toolkit/Application.h"

namespace {

int RunWindow() {
  TApplication& application = Application();
  application.Initialize(true);
  THtmlHelp help;
  application.HelpFile = "Trivan.hlp";
  TMainForm mainForm(TMainForm::ShowFrame, TPageBuilding::WhenIdle);
  application.MainForm = mainForm.Handle();
  mainForm.Show();
  application.Run();
  return 0;
}

// The shortcuts of the start-up folders are read through the shell's objects.
int RunCommand(const TAdminCommand& command) {
  const TComApartment apartment;
  return RunAdminCommand(command);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TDesktopInteraction desktop;
  SetInteraction(&desktop);
  // The title of the error boxes too.
  Application().SetTitle("Velmora");
  const TAdminCommand command = ParseCommand(CommandLineArguments(GetCommandLineW()));
  return command.kind == TAdminCommandKind::Window ? RunWindow() : RunCommand(command);
}
