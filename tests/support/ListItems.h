#pragma once
#include <QList>
#include <vector>

namespace tidepost::test {

// The items of a list of plain values, for comparing in an expectation: Qt compares two empty
// lists of such values with memcmp on a null pointer, which the undefined-behaviour checker
// rejects.
template <class T>
std::vector<T> Items(const QList<T>& list) {
    return std::vector<T>(list.begin(), list.end());
}

}  // namespace tidepost::test
