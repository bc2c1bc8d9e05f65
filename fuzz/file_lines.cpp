// Index files as the folder views read them, a line at a time straight from the bytes: the same
// lines as the whole decoded text gives, in every code page, and a grid row built from a line's
// fields gives each field back exactly.
#include "FuzzWorld.h"
#include "foundation/DataFileText.h"
#include "foundation/FlexRow.h"
#include "platform/AnsiCodec.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const char* page : {"windows-1252", "windows-1251", "IBM866"}) {
        const AnsiCodec codec(QString::fromLatin1(page));
        const QStringList whole = SplitFileLines(codec.Decode(bytes));
        QStringList byLine;
        ForEachFileLine(bytes, [&](QByteArrayView line) { byLine.append(codec.Decode(line)); });
        if (byLine != whole) fuzz::Broken("the lines read from the bytes differ from the decoded text's");
        for (const QString& line : whole) {
            const QStringList fields = line.split(u':');
            const FlexRow row(fields);
            if (row.CellCount() != fields.size() || row.Cells() != fields) fuzz::Broken("a row changed its cells");
            for (int i = 0; i < fields.size(); ++i)
                if (!row.CellIs(i, fields[i]) || row.Cell(i) != fields[i]) fuzz::Broken("a cell changed");
            FlexRow edited = row;
            edited.SetCell(int(fields.size()), line);
            if (edited.Cell(int(fields.size())) != line || edited.Cell(0) != fields.value(0))
                fuzz::Broken("setting a cell changed another");
        }
    }
    return 0;
}
