#include "foundation/cDynamicArray.h"

#include <stdexcept>

namespace tidepost {

QVariant cDynamicArray::Data(int iPos) const {
    if (iPos < 0 || iPos > StopIndex()) return {};
    return m_slots.at(iPos);
}

void cDynamicArray::SetData(int iPos, const QVariant& varValue) {
    if (iPos < 0) return;
    if (iPos > StopIndex()) m_slots.resize(qsizetype(iPos) + 1);
    m_slots[iPos] = varValue;
}

void cDynamicArray::Delete(int iPos) {
    if (iPos < 0 || iPos > StopIndex()) return;
    if (m_slots.size() == 1) throw std::out_of_range("cDynamicArray::Delete: the last slot cannot be deleted");
    m_slots.removeAt(iPos);
}

}  // namespace tidepost
