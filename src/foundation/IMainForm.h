#pragma once
#include <QString>

class QWidget;

namespace tidepost {

// What the foundation asks of the main window. The main window implements it and registers
// itself in Foundation::MainForm; until then (and in tests without a window) that pointer is null
// and the routines that need the window do nothing.
class IMainForm {
public:
    virtual ~IMainForm() = default;
    // The text of one panel of the status bar `MainFormStatusBar`; panels count from 1.
    virtual void SetStatusPanelText(int panel, const QString& text) = 0;
    // Bits per pixel times colour planes of the display the window is on.
    virtual int DisplayColorBits() const = 0;
    // The window itself, to centre other windows over it; null when there is none to show.
    virtual QWidget* Form() = 0;
    // The File menu's exit command: starts closing the program (without the exit question while
    // ExitWithoutQuestion is set).
    virtual void mnuExit_Click() = 0;

    // The Forms menu, positions 0 to 63: the position of the form stored in fileName (-1 when
    // none), and a position's file name and caption ("" when there is none to offer).
    virtual int GetMnuFomsIndex(const QString& fileName) const {
        (void)fileName;
        return 0;
    }
    virtual QString GetMnuFomsFileName(int index) const {
        (void)index;
        return {};
    }
    virtual QString GetMnuFomsName(int index) const {
        (void)index;
        return {};
    }
};

}  // namespace tidepost
