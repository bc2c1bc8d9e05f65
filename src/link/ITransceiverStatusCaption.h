#pragma once
#include <QString>

namespace tidepost {

// What the command queue needs of the transceiver status window: queuing its refresh command
// tells an open window that an update is on its way. Implemented by that window.
class ITransceiverStatusCaption {
public:
    virtual ~ITransceiverStatusCaption() = default;
    virtual bool IsStatusWindowVisible() const = 0;
    virtual void SetStatusWindowCaption(const QString& caption) = 0;
};

}  // namespace tidepost
