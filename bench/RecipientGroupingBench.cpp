// Cutting a message to 200 address-book names into its submissions against the 30,000-entry
// book: every group taken and its names converted to addresses, as the send dialogue does on OK.
// The figure is given as a ratio to reading that book into memory once, measured in the same run.
#include <benchmark/benchmark.h>

#include <chrono>

#include "AddressBook30000.h"
#include "messages/AddressSearch.h"
#include "messages/CTransmission.h"

using namespace tidepost;

namespace {

constexpr int kNames = 200;

// 200 names spread over the whole book, in the To, Cc and Bcc fields in turn.
RecipientMatrix MessageNames(Messages& m) {
    QStringList fields[3];
    for (int i = 0; i < kNames; ++i)
        fields[i % 3] << "Contact" + QString::number(i * (bench::AddressBook30000::kEntries / kNames) + i % 7);
    RecipientMatrix names;
    for (std::uint8_t list = 0; list < 3; ++list) NamesToRecipientMatrix(m, fields[list], names, list);
    return names;
}

// The groups taken; -1 when a group could not be converted.
int SendAllGroups(Messages& m, const RecipientMatrix& names) {
    RecipientMatrix rest = names;
    int groups = 0;
    for (;;) {
        CTransmission tx(m);
        tx.SetParameters("Provider", false, false, false);
        rest = tx.SortRecipients(rest);
        if (!tx.AddressesFound()) return groups;
        if (!tx.ConvertAddresses()) return -1;
        ++groups;
    }
}

void GroupAndConvert200NamesIn30000(benchmark::State& state) {
    bench::AddressBook30000 book;
    const double readBookMs = bench::AddressBook30000::BestMs([&] { ReadAddressBookFile(book.m); });
    const RecipientMatrix names = MessageNames(book.m);
    int groups = 0;
    double totalMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        groups = SendAllGroups(book.m, names);
        totalMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    const double ms = state.iterations() > 0 ? totalMs / double(state.iterations()) : 0;
    state.counters["Ms"] = ms;
    state.counters["Groups"] = groups;
    state.counters["ReadBookMs"] = readBookMs;
    state.counters["RatioToReadBook"] = readBookMs > 0 ? ms / readBookMs : 0;
    // On the GUI thread the whole run is one hold-up of the event loop: goal 50 ms.
    state.counters["FractionOfGoal50Ms"] = ms / 50.0;
    if (groups <= 0) state.SkipWithError("the names were not grouped");
}
BENCHMARK(GroupAndConvert200NamesIn30000)->Unit(benchmark::kMillisecond);

}  // namespace
