#include "mainwindow/BusyWindows.h"

#include <QProgressBar>

#include "link/Link.h"

namespace tidepost {

BusyWindows::BusyWindows(Foundation& f, Link& link, QWidget* mainWindow)
    : Wait([&f, mainWindow, this] { return new WaitForm(f, mainWindow, [this] { Wait.unload(); }); }),
      Working([&f, &link, mainWindow, this] {
          auto* window = new PleaseWait(f, mainWindow, [this] { Working.unload(); });
          // Closing the busy window by hand gives up waiting: the exit is cancelled.
          window->OnUserClose = [&link] { link.Dialogue.ClosingDown = false; };
          return window;
      }),
      Transfer([&f, mainWindow] { return new MSG_Transfer(f, mainWindow); }),
      OceanRegionNotFound([&f, mainWindow, this] {
          return NewMsgOceanRegionNotFound(f, mainWindow, [this] { OceanRegionNotFound.unload(); });
      }),
      NewMessage([&f, mainWindow, this] { return NewNewMessageForm(f, mainWindow, [this] { NewMessage.unload(); }); }),
      m_link(link) {
    auto& seam = link.Windows.MSG_Transfer;
    seam.Show = [this] { Transfer.get().show(); };
    seam.Hide = [this] {
        if (Transfer.isLoaded()) Transfer.get().hide();
    };
    seam.SetMin = [this](int value) { Transfer.get().ProgressBar1()->setMinimum(value); };
    seam.SetMax = [this](int value) { Transfer.get().ProgressBar1()->setMaximum(value); };
    seam.SetValue = [this](int value) { Transfer.get().ProgressBar1()->setValue(value); };
}

BusyWindows::~BusyWindows() { m_link.Windows.MSG_Transfer = {}; }

}  // namespace tidepost
