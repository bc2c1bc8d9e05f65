#include "foundation/StandardButtons.h"

#include "foundation/Foundation.h"

namespace tidepost {

QString StandardButtonCaption(const Foundation& f, MsgAnswer button) {
    switch (button) {
    case MsgAnswer::Yes: return f.Strings.GetMlString(1, "&Yes");
    case MsgAnswer::No: return f.Strings.GetMlString(2, "&No");
    case MsgAnswer::Ok: return f.Strings.GetMlString(3, "&OK");
    case MsgAnswer::Cancel: return f.Strings.GetMlString(4, "&Cancel");
    default: return {};
    }
}

}  // namespace tidepost
