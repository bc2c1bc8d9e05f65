#pragma once
#include <QtGlobal>

namespace tidepost {

// A line can deliver far faster than the program takes it (a device streaming on the wrong port, a
// terminal control unit relaying noise), and Qt would otherwise gather all of it in memory between
// two reads. The link adapters keep at most kReadBufferBytes waiting and hand at most kMaxReadBytes
// to one read; the rest stays with the system, which holds the sender back. Both are far above
// what the slowest or fastest real line delivers between two ticks of the dialogue.
inline constexpr qint64 kReadBufferBytes = 64 * 1024;
inline constexpr qsizetype kMaxReadBytes = 256 * 1024;

}  // namespace tidepost
