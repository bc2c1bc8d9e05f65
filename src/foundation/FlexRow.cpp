#include "foundation/FlexRow.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <optional>

namespace tidepost {

namespace {

// Stored files are named by the date "yymmdd" and a counter.
constexpr qsizetype kDateDigits = 6;

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Case folding with the common ASCII case done here.
QChar Folded(QChar c) {
    if (c.unicode() < 0x80) return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 0x20) : c;
    return c.toCaseFolded();
}

// The packed block: a flags byte (kWide when the texts take two bytes a character), the number
// of cells, each cell's length in characters, then the texts one after another. Numbers are
// written seven bits a byte, low bits first, the high bit set on every byte but the last.
constexpr uchar kWide = 1;

qsizetype NumberBytes(quint32 n) {
    qsizetype bytes = 1;
    while (n >= 0x80) {
        n >>= 7;
        ++bytes;
    }
    return bytes;
}

uchar* WriteNumber(uchar* p, quint32 n) {
    while (n >= 0x80) {
        *p++ = uchar(n | 0x80);
        n >>= 7;
    }
    *p++ = uchar(n);
    return p;
}

quint32 ReadNumber(const uchar*& p) {
    quint32 n = 0;
    for (int shift = 0;; shift += 7) {
        const uchar b = *p++;
        n |= quint32(b & 0x7F) << shift;
        if (!(b & 0x80)) return n;
    }
}

// Where one cell's text lies in a packed block.
struct CellPlace {
    const uchar* Text = nullptr;
    qsizetype Length = 0;  // in characters
    bool Wide = false;
};

int PackedCount(QByteArrayView packed) {
    if (packed.isEmpty()) return 0;
    const uchar* p = reinterpret_cast<const uchar*>(packed.data()) + 1;
    return int(ReadNumber(p));
}

std::optional<CellPlace> PlaceOf(QByteArrayView packed, int col) {
    if (packed.isEmpty() || col < 0) return std::nullopt;
    const uchar* const start = reinterpret_cast<const uchar*>(packed.data());
    const uchar* p = start;
    CellPlace place;
    place.Wide = (*p++ & kWide) != 0;
    const quint32 count = ReadNumber(p);
    if (quint32(col) >= count) return std::nullopt;
    qsizetype before = 0;
    for (quint32 i = 0; i < count; ++i) {
        const quint32 length = ReadNumber(p);
        if (i < quint32(col)) before += length;
        else if (i == quint32(col)) place.Length = length;
    }
    place.Text = p + before * (place.Wide ? 2 : 1);
    return place;
}

QString TextAt(const CellPlace& place) {
    if (place.Length == 0) return {};
    if (!place.Wide) return QString::fromLatin1(reinterpret_cast<const char*>(place.Text), place.Length);
    QString text(place.Length, Qt::Uninitialized);
    std::memcpy(text.data(), place.Text, size_t(place.Length) * 2);
    return text;
}

QByteArray Pack(const QStringView* cells, qsizetype count) {
    if (count <= 0) return {};
    bool wide = false;
    qsizetype chars = 0, header = 1 + NumberBytes(quint32(count));
    for (qsizetype i = 0; i < count; ++i) {
        const QStringView cell = cells[i];
        chars += cell.size();
        header += NumberBytes(quint32(cell.size()));
        if (!wide)
            for (const QChar c : cell)
                if (c.unicode() > 0xFF) {
                    wide = true;
                    break;
                }
    }
    QByteArray packed(header + chars * (wide ? 2 : 1), Qt::Uninitialized);
    uchar* p = reinterpret_cast<uchar*>(packed.data());
    *p++ = wide ? kWide : 0;
    p = WriteNumber(p, quint32(count));
    for (qsizetype i = 0; i < count; ++i) p = WriteNumber(p, quint32(cells[i].size()));
    for (qsizetype i = 0; i < count; ++i) {
        const QStringView cell = cells[i];
        if (wide) {
            if (!cell.isEmpty()) std::memcpy(p, cell.utf16(), size_t(cell.size()) * 2);
            p += cell.size() * 2;
        } else {
            for (const QChar c : cell) *p++ = uchar(c.unicode());
        }
    }
    return packed;
}

QByteArray Pack(const QStringList& cells) {
    std::vector<QStringView> views(cells.begin(), cells.end());
    return Pack(views.data(), qsizetype(views.size()));
}

}  // namespace

FlexRow::FlexRow(const QStringList& cells, int foreColor, bool bold)
    : ForeColor(foreColor), Bold(bold), m_packed(Pack(cells)) {}

FlexRow FlexRow::FromViews(const QStringView* cells, qsizetype count, int foreColor, bool bold) {
    FlexRow row;
    row.ForeColor = foreColor;
    row.Bold = bold;
    row.m_packed = Pack(cells, count);
    return row;
}

FlexRow FlexRow::FromPacked(QByteArrayView packed, int foreColor, bool bold) {
    FlexRow row;
    row.ForeColor = foreColor;
    row.Bold = bold;
    row.m_packed = packed.toByteArray();
    return row;
}

int PackedCellCount(QByteArrayView packed) { return PackedCount(packed); }

QString PackedCell(QByteArrayView packed, int col) {
    const std::optional<CellPlace> place = PlaceOf(packed, col);
    return place ? TextAt(*place) : QString();
}

bool PackedCellIs(QByteArrayView packed, int col, QStringView text) {
    const std::optional<CellPlace> place = PlaceOf(packed, col);
    if (!place) return text.isEmpty();
    if (place->Length != text.size()) return false;
    if (text.isEmpty()) return true;
    if (place->Wide) return std::memcmp(place->Text, text.utf16(), size_t(text.size()) * 2) == 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].unicode() != place->Text[i]) return false;
    return true;
}

int FlexRow::CellCount() const { return PackedCount(m_packed); }

QString FlexRow::Cell(int col) const { return PackedCell(m_packed, col); }

bool FlexRow::CellIs(int col, QStringView text) const { return PackedCellIs(m_packed, col, text); }

QStringList FlexRow::Cells() const {
    QStringList cells;
    const int count = CellCount();
    cells.reserve(count);
    for (int col = 0; col < count; ++col) cells.append(Cell(col));
    return cells;
}

void FlexRow::SetCell(int col, const QString& text) {
    if (col < 0) return;
    QStringList cells = Cells();
    if (col >= cells.size()) cells.resize(col + 1);
    cells[col] = text;
    m_packed = Pack(cells);
}

void FlexRow::SetCells(const QStringList& cells) { m_packed = Pack(cells); }

void FlexRow::Resize(int count) {
    count = std::max(count, 0);
    if (count == CellCount()) return;
    QStringList cells = Cells();
    cells.resize(count);
    m_packed = Pack(cells);
}

int CompareGridTexts(const QString& a, const QString& b, Qt::CaseSensitivity cs) {
    qsizetype i = 0, j = 0;
    const qsizetype na = a.size(), nb = b.size();
    while (i < na && j < nb) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            qsizetype ea = i, eb = j;
            while (ea < na && IsDigit(a[ea])) ++ea;
            while (eb < nb && IsDigit(b[eb])) ++eb;
            qsizetype sa = i, sb = j;
            while (sa < ea - 1 && a[sa] == u'0') ++sa;
            while (sb < eb - 1 && b[sb] == u'0') ++sb;
            if (ea - i > kDateDigits && eb - j > kDateDigits) {
                // A stored file's name: its date first, then its counter by value.
                const int date = QStringView(a).sliced(i, kDateDigits).compare(QStringView(b).sliced(j, kDateDigits));
                if (date != 0) return date < 0 ? -1 : 1;
                sa = i + kDateDigits;
                sb = j + kDateDigits;
                while (sa < ea - 1 && a[sa] == u'0') ++sa;
                while (sb < eb - 1 && b[sb] == u'0') ++sb;
            }
            if (ea - sa != eb - sb) return ea - sa < eb - sb ? -1 : 1;
            const int c = QStringView(a).sliced(sa, ea - sa).compare(QStringView(b).sliced(sb, eb - sb));
            if (c != 0) return c < 0 ? -1 : 1;
            i = ea;
            j = eb;
            continue;
        }
        const QChar ca = cs == Qt::CaseInsensitive ? Folded(a[i]) : a[i];
        const QChar cb = cs == Qt::CaseInsensitive ? Folded(b[j]) : b[j];
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < na || j < nb) return i < na ? 1 : -1;
    const int c = a.compare(b, cs);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::vector<size_t> FlexSortOrder(size_t count, const std::function<QString(size_t row, int col)>& cell, int first,
                                  int last, bool descending, bool ignoreCase) {
    const Qt::CaseSensitivity cs = ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const int width = last - first + 1;
    if (count < 2 || width <= 0) return {};
    // The compared cells are unpacked once for the sort and dropped after it.
    std::vector<QString> keys(count * size_t(width));
    for (size_t i = 0; i < count; ++i)
        for (int c = 0; c < width; ++c) keys[i * size_t(width) + size_t(c)] = cell(i, first + c);
    const auto before = [&](size_t a, size_t b) {
        for (int c = 0; c < width; ++c) {
            const int r = CompareGridTexts(keys[a * size_t(width) + size_t(c)], keys[b * size_t(width) + size_t(c)], cs);
            if (r != 0) return descending ? r > 0 : r < 0;
        }
        return false;
    };
    std::vector<size_t> order(count);
    std::iota(order.begin(), order.end(), size_t(0));
    // Rows already in order stay as they are: one pass instead of a sort, as when a view's rows
    // were put in its order before they came to the grid.
    if (std::is_sorted(order.begin(), order.end(), before)) return {};
    std::stable_sort(order.begin(), order.end(), before);
    return order;
}

void SortFlexRows(std::vector<FlexRow>& rows, int first, int last, bool descending, bool ignoreCase) {
    const std::vector<size_t> order = FlexSortOrder(
        rows.size(), [&rows](size_t row, int col) { return rows[row].Cell(col); }, first, last, descending,
        ignoreCase);
    if (order.empty()) return;
    std::vector<FlexRow> sorted;
    sorted.reserve(rows.size());
    for (const size_t i : order) sorted.push_back(std::move(rows[i]));
    rows.swap(sorted);
}

}  // namespace tidepost
