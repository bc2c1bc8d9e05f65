#include "foundation/Array2D.h"

#include <algorithm>

#include "foundation/Definitions.h"
#include "foundation/RuntimeError.h"

namespace tidepost {

Array2D::Array2D(int columns, int rows)
    : m_columns(std::max(columns, 0)), m_rows(std::max(rows, 0)), m_cells(qsizetype(m_columns) * m_rows) {}

void Array2D::ThrowOutOfRange() {
    throw RuntimeError(kErrSubscriptOutOfRange, QStringLiteral("Array2D"), QStringLiteral("Subscript out of range"));
}

void Array2D::ResizeRows(int rows) {
    m_rows = std::max(rows, 0);
    m_cells.resize(qsizetype(m_rows) * m_columns);
}

void Array2D::SwapRows(int a, int b) {
    if (a == b) return;
    for (int c = 0; c < m_columns; ++c) m_cells.swapItemsAt(Index(c, a), Index(c, b));
}

int GetElementCount(const Array2D& table) { return table.Rows() > 0 ? table.Columns() : 0; }

namespace {
enum class Kind { Empty, Number, Text };

Kind KindOf(const QVariant& v) {
    if (!v.isValid() || v.isNull()) return Kind::Empty;
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double: return Kind::Number;
    default: return Kind::Text;
    }
}

bool IsIntegral(const QVariant& v) {
    const int t = v.typeId();
    return t != QMetaType::Float && t != QMetaType::Double;
}

// True is -1, as the stored Boolean value counts.
double NumberOf(const QVariant& v) { return v.typeId() == QMetaType::Bool ? (v.toBool() ? -1.0 : 0.0) : v.toDouble(); }
qint64 IntegerOf(const QVariant& v) { return v.typeId() == QMetaType::Bool ? (v.toBool() ? -1 : 0) : v.toLongLong(); }

template <typename T>
int Order(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareNumbers(const QVariant& a, const QVariant& b) {
    // Large whole numbers would lose digits as doubles.
    if (IsIntegral(a) && IsIntegral(b) && a.typeId() != QMetaType::ULongLong && b.typeId() != QMetaType::ULongLong)
        return Order(IntegerOf(a), IntegerOf(b));
    return Order(NumberOf(a), NumberOf(b));
}
}  // namespace

int CompareStoredValues(const QVariant& a, const QVariant& b) {
    const Kind ka = KindOf(a);
    const Kind kb = KindOf(b);
    if (ka == Kind::Empty && kb == Kind::Empty) return 0;
    if (ka == Kind::Empty) return kb == Kind::Number ? CompareNumbers(QVariant(0), b) : (b.toString().isEmpty() ? 0 : -1);
    if (kb == Kind::Empty) return -CompareStoredValues(b, a);
    if (ka == Kind::Number && kb == Kind::Number) return CompareNumbers(a, b);
    if (ka == Kind::Number) return -1;
    if (kb == Kind::Number) return 1;
    return Order(QString::compare(a.toString(), b.toString(), Qt::CaseSensitive), 0);
}

void SortArray2D(Array2D& table, int column, bool ascending) {
    if (GetElementCount(table) == 0) return;
    if (column < 0 || column >= table.Columns()) return;
    DiminishingGapSort(
        table.Rows(), ascending, [&](int a, int b) { return CompareStoredValues(table(column, a), table(column, b)); },
        [&](int a, int b) { table.SwapRows(a, b); });
}

void SortRowsByText(QList<QStringView>& keys, QList<int>& rows, bool ascending) {
    if (rows.size() != keys.size()) return;
    QStringView* k = keys.data();
    int* r = rows.data();
    DiminishingGapSort(
        static_cast<int>(keys.size()), ascending, [k](int a, int b) { return Order(k[a].compare(k[b]), 0); },
        [k, r](int a, int b) {
            std::swap(k[a], k[b]);
            std::swap(r[a], r[b]);
        });
}

}  // namespace tidepost
