// The transceiver's message reporting listing ("rs") and the address book lines it is matched
// against: the input up to the first NUL is the reply, the rest the lines of address.dat. Whatever
// is read, the batch OK would build from it carries no line break and no option the boxes add.
#include "FuzzWorld.h"
#include "foundation/DataFileText.h"
#include "reporting/MessageReportingReply.h"
#include "reporting/MessageReportingSetup.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype nul = bytes.indexOf('\0');
    const QString reply = w.f.Os.Codec.Decode(nul < 0 ? bytes : bytes.left(nul));
    const QStringList lines = nul < 0 ? QStringList() : SplitFileLines(w.f.Os.Codec.Decode(bytes.mid(nul + 1)));

    const MessageReportingReply read = ReadMessageReportingReply(reply);
    if (read.Read < 0 || read.Read > MessageReportingReply::kRows) fuzz::Broken("rows read out of range");
    const MessageReportingDestinations found = FindMessageReportingDestinations(lines, read.Settings.Address);
    if (!found.Destination.isEmpty() && !FindMessageReportingEntry(lines, found.Destination))
        fuzz::Broken("the destination found is not in the address book");
    if (!found.Destination.isEmpty()) {
        const std::optional<MessageReportingEntry> entry = FindMessageReportingEntry(lines, found.Destination);
        MessageReportingSettings s = read.Settings;
        // OK refuses a schedule or password the boxes cannot hold; what passes goes out.
        for (QString* text : {&s.Month, &s.DayOfMonth, &s.DayOfWeek, &s.Hour, &s.Minute})
            if (text->isEmpty() || !IsScheduleText(*text)) return 0;
        if (!IsPinCodeText(s.PinCode)) return 0;
        const MessageReportingBatch batch = BuildMessageReportingBatch(w.f, s, found.Destination, *entry, {"101", "201", "301", "001"});
        if (!batch.Batch.isEmpty() && batch.Batch.split("\r\n").size() != 5) fuzz::Broken("the batch is not five lines");
        for (const QString& line : batch.Batch.split("\r\n"))
            if (line.contains('\r') || line.contains('\n')) fuzz::Broken("a line break inside a command");
        if (!batch.Batch.isEmpty() && batch.Batch.split("\r\n").last().count(" -a ") != 1)
            fuzz::Broken("the destination line carries another address option");
    }
    return 0;
}
