// Program entry: the application object, the main window, the message loop.
#include <windows.h>

#include "app/DesktopInteraction.h"
#include "app/MainForm.h"
#include "help/HelpTools.h"
#include "toolkit/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TDesktopInteraction desktop;
  SetInteraction(&desktop);
  TApplication& application = Application();
  application.Initialize(true);
  THtmlHelp help;
  application.SetTitle("Velmora");
  application.HelpFile = "Trivan.hlp";
  TMainForm mainForm(TMainForm::ShowFrame);
  application.MainForm = mainForm.Handle();
  mainForm.Show();
  application.Run();
  return 0;
}
