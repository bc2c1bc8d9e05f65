#pragma once
#include <QWidget>

#include "mainwindow/ASISForm.h"
#include "mainwindow/AboutTidepost.h"
#include "foundation/FormHolder.h"
#include "mainwindow/frmSplash.h"

namespace tidepost {

struct Foundation;

// The small windows of the main window's start and of the Help menu, each created on first use:
// the disclaimer, the splash and the about box.
struct ShellWindows {
    ShellWindows(Foundation& f, QWidget* mainWindow);
    ShellWindows(const ShellWindows&) = delete;
    ShellWindows& operator=(const ShellWindows&) = delete;

    FormHolder<ASISForm> Disclaimer;
    FormHolder<frmSplash> Splash;
    FormHolder<AboutTidepost> About;
};

}  // namespace tidepost
