#include "mainwindow/ShellWindows.h"

namespace tidepost {

ShellWindows::ShellWindows(Foundation& f, QWidget* mainWindow)
    : Disclaimer([&f, mainWindow, this] { return new ASISForm(f, mainWindow, [this] { Disclaimer.unload(); }); }),
      Splash([&f, mainWindow, this] { return new frmSplash(f, mainWindow, [this] { Splash.unload(); }); }),
      About([&f, mainWindow, this] { return new AboutTidepost(f, mainWindow, [this] { About.unload(); }); }) {}

}  // namespace tidepost
