#pragma once
#include "editor/MessageForm.h"
#include "editor/MessageFormLinks.h"
#include "foundation/FormHolder.h"

namespace tidepost {

struct Foundation;

// The one message viewer, created and loaded on first use and let go when it closes, with what
// it reaches in its neighbours.
struct MessageViewer {
    explicit MessageViewer(Foundation& f) : m_f(f) {}
    MessageFormLinks Links;
    FormHolder<MessageForm> Form{[this] { return new MessageForm(m_f, Links, [this] { Form.unload(); }); }};

private:
    Foundation& m_f;
};

}  // namespace tidepost
