#pragma once

namespace tidepost {

// The upload window's bar while a text of `length` characters streams in pieces of 100: it runs
// from 1 to (n + 1) x 100, n being length / 100 rounded to the nearest whole number, a half to
// the even one; piece i (from 1) sets it to i x 100 before it is sent.
constexpr int kUploadPieceLength = 100;
constexpr int UploadProgressMax(int length) {
    int n = length / kUploadPieceLength;
    const int rest = length % kUploadPieceLength;
    if (rest > kUploadPieceLength / 2 || (rest == kUploadPieceLength / 2 && n % 2 == 1)) ++n;
    return (n + 1) * kUploadPieceLength;
}

}  // namespace tidepost
