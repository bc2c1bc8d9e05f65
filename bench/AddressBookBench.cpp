// The address book at 30,000 entries: loading address.dat into the table, one rewrite of the file
// by a remote add (which reloads the table), and a search that finds no exact name and so walks
// the table twice. Load and rewrite must each stay under 100 ms; every figure is also given as a
// ratio to reading the file's bytes alone, measured in the same run.
#include <benchmark/benchmark.h>

#include <chrono>

#include "AddressBook30000.h"
#include "messages/AddressSearch.h"
#include "messages/cAddressBook.h"

using namespace tidepost;

namespace {

using Book = bench::AddressBook30000;
constexpr int kEntries = Book::kEntries;
constexpr double kTargetMs = 100.0;

template <typename Step>
void Measure(benchmark::State& state, Book& book, Step step) {
    const double baseline = book.RawReadMs();
    double totalMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        step();
        totalMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    const double ms = state.iterations() > 0 ? totalMs / double(state.iterations()) : 0;
    state.counters["Ms"] = ms;
    state.counters["FractionOf100Ms"] = ms / kTargetMs;
    state.counters["RawReadMs"] = baseline;
    state.counters["RatioToRawRead"] = baseline > 0 ? ms / baseline : 0;
}

void ReadAddressBook30000(benchmark::State& state) {
    Book book;
    Measure(state, book, [&] { ReadAddressBookFile(book.m); });
    if (book.m.AddressBookEntries.size() != kEntries) state.SkipWithError("not every entry was loaded");
}
BENCHMARK(ReadAddressBook30000)->Unit(benchmark::kMillisecond);

void AddAddressTo30000(benchmark::State& state) {
    Book book;
    cAddressBook remote{book.m};
    // Replacing an entry in the middle keeps the file the same size from run to run.
    Measure(state, book, [&] { remote.AddAddress("Contact15000", 1, 5, "123456", "12", true); });
    if (book.m.AddressBookEntries.size() != kEntries) state.SkipWithError("the table was not reloaded");
}
BENCHMARK(AddAddressTo30000)->Unit(benchmark::kMillisecond);

void SearchAddressBook30000(benchmark::State& state) {
    Book book;
    ReadAddressBookFile(book.m);
    AddressSearchResult result;
    Measure(state, book, [&] { result = SearchAddressBook(book.m, "ontact2999"); });
    state.counters["Matches"] = double(result.Names.size());
}
BENCHMARK(SearchAddressBook30000)->Unit(benchmark::kMillisecond);

}  // namespace
