#pragma once
#include <QWidget>

#include "foundation/FormHolder.h"
#include "mainwindow/MSG_Transfer.h"
#include "mainwindow/Notices.h"
#include "mainwindow/PleaseWait.h"
#include "mainwindow/WaitForm.h"

namespace tidepost {

struct Foundation;
struct Link;

// The small windows of the main window that tell the operator the program is busy or cannot do
// something yet, each created on first use and centred over the main window.
struct BusyWindows {
    BusyWindows(Foundation& f, Link& link, QWidget* mainWindow);
    ~BusyWindows();
    BusyWindows(const BusyWindows&) = delete;
    BusyWindows& operator=(const BusyWindows&) = delete;

    FormHolder<WaitForm> Wait;
    FormHolder<PleaseWait> Working;
    FormHolder<MSG_Transfer> Transfer;
    FormHolder<NoticeWindow> OceanRegionNotFound;
    FormHolder<NoticeWindow> NewMessage;

private:
    Link& m_link;
};

}  // namespace tidepost
