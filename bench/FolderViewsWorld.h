#pragma once
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "editor/FlexGrid.h"
#include "editor/FolderViews.h"
#include "foundation/Foundation.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "platform/Platform.h"
#include "platform/QtSettingsStore.h"

namespace tidepost::bench {

// The folder views over an inbox and a sent-items folder of a temporary data folder, with real
// grids attached; the benchmarks write the indexes they need.
struct FolderViewsWorld {
    QTemporaryDir data;
    QtSettingsStore settings{data.path() + "/config"};
    Platform os;
    std::unique_ptr<Foundation> f;
    std::unique_ptr<Link> link;
    std::unique_ptr<Messages> m;
    std::unique_ptr<FolderViews> views;
    FlexGrid inbox, sent;

    FolderViewsWorld() {
        os.Settings = &settings;
        f = std::make_unique<Foundation>(os);
        f->gConfiguration.DataPath = data.path();
        f->gInboxDir = data.path() + "/inbox";
        f->gOutboxDir = data.path() + "/sent items/";
        QDir().mkpath(f->gInboxDir);
        QDir().mkpath(f->gOutboxDir);
        link = std::make_unique<Link>(*f);
        m = std::make_unique<Messages>(*f, *link);
        views = std::make_unique<FolderViews>(*f, *m);
        views->Attach(FolderGridKind::Inbox, &inbox);
        views->Attach(FolderGridKind::SentItems, &sent);
    }
};

}  // namespace tidepost::bench
