#include "foundation/DebugLogHolder.h"

#include "foundation/DebugLog.h"

namespace tidepost {

DebugLogHolder::DebugLogHolder(const Foundation& f) : m_f(f) {}

DebugLogHolder::~DebugLogHolder() = default;

DebugLog& DebugLogHolder::get() {
    if (!m_form) m_form = std::make_unique<DebugLog>(m_f);
    return *m_form;
}

void DebugLogHolder::unload() { m_form.reset(); }

}  // namespace tidepost
