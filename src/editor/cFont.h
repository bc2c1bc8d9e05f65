#pragma once
#include <array>

namespace tidepost {

// The text size of the message editor and the viewer: one of sixteen sizes from 8 to 72 points.
class cFont {
public:
    int MinSize() const { return kSizes.front(); }
    int MaxSize() const { return kSizes.back(); }
    int Size() const { return m_size; }
    // Sets the size to the first table size at least as large (8 below, 72 above the table) and
    // gives the caller the size set.
    void Size(int& iSize);
    // One step up or down; nothing at the end of the table.
    void Increase();
    void Decrease();

private:
    static constexpr std::array<int, 16> kSizes{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
    int m_size = 11;
    int m_index = 3;
};

}  // namespace tidepost
