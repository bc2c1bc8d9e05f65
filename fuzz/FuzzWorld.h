#pragma once
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "foundation/Foundation.h"
#include "support/TestPlatform.h"

namespace tidepost::fuzz {

// Starts the one QApplication of a fuzz target, on the offscreen platform, before the first input.
void StartQt(int* argc, char*** argv);

// A fresh program world per input: fake adapters, a temporary data folder of its own (so that
// nothing one input writes is read by the next) and the foundation's state on top.
struct FuzzWorld {
    test::TestPlatform platform;
    Foundation f{platform.Os};

    FuzzWorld() { f.gConfiguration.DataPath = platform.DataFolder(); }
    // Writes the input's bytes as a data file and returns its path.
    QString WriteFile(const QString& name, const std::uint8_t* data, std::size_t size) const {
        return platform.WriteDataFile(name, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    }
};

// Stops the run with a finding: a property the program promises does not hold for this input.
[[noreturn]] void Broken(const char* what);

}  // namespace tidepost::fuzz

// Every target starts Qt the same way.
#define TIDEPOST_FUZZ_START_QT                                             \
    extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {         \
        tidepost::fuzz::StartQt(argc, argv);                               \
        return 0;                                                          \
    }
