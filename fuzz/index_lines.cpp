// An index file as the views hold it (its bytes and line offsets): the lines are cut as every
// reader of data files cuts them, no edit is an edit of the bytes it does not name, and removing
// or replacing a line keeps every other line with its own line end.
#include <cstdint>

#include "foundation/DataFileText.h"
#include "foundation/IndexLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IndexLines lines(bytes);
    const QList<QByteArray> expected = SplitKeepingEnds(bytes);
    if (lines.Count() != expected.size()) __builtin_trap();
    for (int i = 0; i < lines.Count(); ++i) {
        if (lines.Text(i).toByteArray() + lines.End(i).toByteArray() != expected[i]) __builtin_trap();
        (void)FirstField(lines.Text(i), ';');
        (void)LastField(lines.Text(i), ':');
        (void)EndsWithAsciiNoCase(lines.Text(i), "x.txt");
    }
    if (lines.Edited({}) != bytes) __builtin_trap();
    if (lines.Count() == 0) return 0;

    // The middle line removed, the last one replaced.
    const int middle = lines.Count() / 2;
    const int last = lines.Count() - 1;
    QList<QByteArray> changed = expected;
    changed[last] = QByteArray("new") + LineEndOf(expected[last]);
    if (middle != last) changed.removeAt(middle);
    std::vector<IndexLines::Edit> edits;
    if (middle != last) edits.push_back({middle, std::nullopt});
    edits.push_back({last, QByteArray("new")});
    if (lines.Edited(edits) != changed.join()) __builtin_trap();
    return 0;
}
