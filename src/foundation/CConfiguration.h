#pragma once
#include <QString>

namespace tidepost {

// Data path, LES choices per ocean, LES lists, TCU addresses and software versions.
class CConfiguration {
public:
    QString DataPath;  // the data folder
};

}  // namespace tidepost
