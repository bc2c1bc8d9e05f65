#pragma once
#include <QString>
#include <array>

namespace tidepost {

// The recipients of a message sorted by destination type (0..8), presentation format (0..2) and
// list (0 To, 1 Cc, 2 Bcc): 81 cells, each a ";"-separated list with no ";" at either end, empty
// when it holds nothing. A plain value: copying it copies every cell.
struct RecipientMatrix {
    static constexpr int kTypes = 9;
    static constexpr int kFormats = 3;
    static constexpr int kLists = 3;

    static constexpr bool InRange(int type, int format, int list) {
        return type >= 0 && type < kTypes && format >= 0 && format < kFormats && list >= 0 && list < kLists;
    }
    // The cell of valid indices (see InRange).
    QString& Cell(int type, int format, int list) { return Cells[Index(type, format, list)]; }
    const QString& Cell(int type, int format, int list) const { return Cells[Index(type, format, list)]; }

    std::array<QString, kTypes * kFormats * kLists> Cells;
    friend bool operator==(const RecipientMatrix&, const RecipientMatrix&) = default;

private:
    static constexpr std::size_t Index(int type, int format, int list) {
        return static_cast<std::size_t>((type * kFormats + format) * kLists + list);
    }
};

}  // namespace tidepost
