#include "editor/cFont.h"

namespace tidepost {

void cFont::Size(int& iSize) {
    if (iSize < MinSize()) {
        iSize = MinSize();
        m_index = 0;
    } else if (iSize > MaxSize()) {
        iSize = MaxSize();
        m_index = static_cast<int>(kSizes.size()) - 1;
    } else {
        m_index = 0;
        while (kSizes[m_index] < iSize) ++m_index;
        iSize = kSizes[m_index];
    }
    m_size = iSize;
}

void cFont::Increase() {
    if (m_index >= static_cast<int>(kSizes.size()) - 1) return;
    m_size = kSizes[++m_index];
}

void cFont::Decrease() {
    if (m_index < 1) return;
    m_size = kSizes[--m_index];
}

}  // namespace tidepost
