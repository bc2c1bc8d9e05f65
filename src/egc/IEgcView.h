#pragma once
#include <QString>

namespace tidepost {

// What the EGC store asks of the EGC view; the folder views implement it. While none is
// registered nothing is shown (the view reads egc.idx whenever it opens).
class IEgcView {
public:
    virtual ~IEgcView() = default;
    // A newly stored EGC: its egc.idx line as a row right under the heading, bold, red for
    // priority 2 or 3; the row that was current stays current (one further down) and selected
    // whole. Whichever view the window shows.
    virtual void AddEgcRow(const QString& indexLine) = 0;
    // Whether the EGC view is shown in the main area.
    virtual bool IsEgcViewShown() const = 0;
    // Loads the EGC view again from egc.idx (after a line was removed or rewritten).
    virtual void ReloadEgcView() = 0;
};

}  // namespace tidepost
