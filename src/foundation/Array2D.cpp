#include "foundation/Array2D.h"

#include <algorithm>
#include <utility>
#include <vector>

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
    const auto outOfOrder = [ascending](QStringView a, QStringView b) {
        const int order = a.compare(b);
        return ascending ? order > 0 : order < 0;
    };
    // Keys already in order: the exchange sort would exchange nothing.
    if (std::adjacent_find(keys.cbegin(), keys.cend(), outOfOrder) == keys.cend()) return;
    // Keys all different and in the opposite order, as an index appended to in name order is
    // when it is listed newest first: there is one sorted order, the reverse.
    const auto notReversed = [&](QStringView a, QStringView b) { return !outOfOrder(a, b); };
    if (std::adjacent_find(keys.cbegin(), keys.cend(), notReversed) == keys.cend()) {
        std::reverse(keys.begin(), keys.end());
        std::reverse(rows.begin(), rows.end());
        return;
    }

    // Where no two keys are equal there is one sorted order, whichever sort reaches it; the
    // exchanges matter only for the order of equal keys.
    const auto n = static_cast<size_t>(keys.size());
    std::vector<std::pair<QStringView, int>> sorted;  // key and its place
    sorted.reserve(n);
    for (qsizetype i = 0; i < keys.size(); ++i) sorted.emplace_back(keys[i], static_cast<int>(i));
    std::sort(sorted.begin(), sorted.end(), [&](const auto& a, const auto& b) { return outOfOrder(b.first, a.first); });
    const bool distinct = std::adjacent_find(sorted.cbegin(), sorted.cend(), [](const auto& a, const auto& b) {
                              return a.first == b.first;
                          }) == sorted.cend();
    if (distinct) {
        const QList<int> before = rows;
        for (size_t i = 0; i < n; ++i) {
            keys[qsizetype(i)] = sorted[i].first;
            rows[qsizetype(i)] = before[sorted[i].second];
        }
        return;
    }

    // The exchanges compare each key's rank among the distinct keys instead of its text: the same
    // order, without reading the texts again and again.
    std::vector<int> rank(n);
    int distinctKeys = 0;
    for (size_t j = 0; j < n; ++j) {
        if (j > 0 && sorted[j].first != sorted[j - 1].first) ++distinctKeys;
        rank[static_cast<size_t>(sorted[j].second)] = ascending ? distinctKeys : -distinctKeys;
    }
    QStringView* k = keys.data();
    int* r = rows.data();
    int* order = rank.data();
    DiminishingGapSort(
        static_cast<int>(n), ascending, [order](int a, int b) { return Order(order[a], order[b]); },
        [k, r, order](int a, int b) {
            std::swap(k[a], k[b]);
            std::swap(r[a], r[b]);
            std::swap(order[a], order[b]);
        });
}

}  // namespace tidepost
