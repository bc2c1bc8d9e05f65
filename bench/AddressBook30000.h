#pragma once
#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>

#include "foundation/Foundation.h"
#include "link/Link.h"
#include "messages/AddressBookFile.h"
#include "messages/Messages.h"
#include "platform/AtomicFile.h"

namespace tidepost::bench {

// A data folder whose address.dat holds 30,000 entries "Contact<i>" of the types e-mail, telex,
// fax, Inmarsat-C and DNID in turn, 5-bit and 7-bit in turn, every third with a member or prefix;
// the program's state areas up to the messages, the book not yet read.
struct AddressBook30000 {
    static constexpr int kEntries = 30000;
    static constexpr const char* kTypes[] = {"Email", "Telex", "Fax", "InmC", "DNID"};

    QTemporaryDir data;
    Platform os;
    Foundation f{os};
    Link link{f};
    Messages m{f, link};
    QString path;

    AddressBook30000() {
        f.gConfiguration.DataPath = data.path();
        QDir().mkpath(data.path() + "/addressbook");
        f.gIniEntries.Items = {{"[addressbook]", data.path() + "/addressbook/"}};
        f.gIniEntries.Loaded = true;
        QByteArray file;
        for (int i = 0; i < kEntries; ++i) {
            file += "Contact" + QByteArray::number(i) + ":" + kTypes[i % 5] + ":" + (i % 2 ? "7" : "5") + ":" +
                    QByteArray::number(100000000 + i * 7);
            if (i % 3 == 0) file += ":" + QByteArray::number(i % 100);
            file += "\r\n";
        }
        path = data.path() + "/addressbook/address.dat";
        WriteFileAtomic(path, file);
    }

    // Milliseconds of the best of a few runs of a step.
    template <typename Step>
    static double BestMs(Step step) {
        double best = 1e9;
        for (int i = 0; i < 5; ++i) {
            const auto start = std::chrono::steady_clock::now();
            step();
            best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        return best;
    }

    // Milliseconds to read the file's bytes.
    double RawReadMs() const {
        return BestMs([&] {
            QByteArray bytes;
            ReadFileBytes(path, bytes);
        });
    }
};

}  // namespace tidepost::bench
