#pragma once

namespace tidepost {

// Makes the C library give freed heap back to the system instead of keeping it for later, so
// the memory a large load used while building its rows does not stay with the process. Called
// once, first thing at start-up; does nothing where there is no such setting.
void KeepFreedHeapSmall();

// Gives the free pages the heap holds now back to the system; for after a large load whose
// temporaries are gone. Returns at once where there is no such call.
void ReturnFreedHeap();
// The same from the event loop once the current work (and what it leaves to delete) is done;
// calls made before then are served by one.
void ReturnFreedHeapSoon();

}  // namespace tidepost
