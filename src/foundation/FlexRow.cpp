#include "foundation/FlexRow.h"

#include <algorithm>

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

}  // namespace

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

void SortFlexRows(std::vector<FlexRow>& rows, int first, int last, bool descending, bool ignoreCase) {
    const Qt::CaseSensitivity cs = ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    static const QString kNoCell;
    const auto cell = [](const FlexRow& row, int col) -> const QString& {
        return col >= 0 && col < row.Cells.size() ? row.Cells.at(col) : kNoCell;
    };
    const auto before = [&](const FlexRow& a, const FlexRow& b) {
        for (int col = first; col <= last; ++col) {
            const int c = CompareGridTexts(cell(a, col), cell(b, col), cs);
            if (c != 0) return descending ? c > 0 : c < 0;
        }
        return false;
    };
    // Rows already in order stay as they are: one pass instead of a sort, as when a view's rows
    // were put in its order before they came to the grid.
    if (std::is_sorted(rows.begin(), rows.end(), before)) return;
    std::stable_sort(rows.begin(), rows.end(), before);
}

}  // namespace tidepost
