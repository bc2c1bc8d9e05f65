#include "platform/HeapTuning.h"

#include <QCoreApplication>
#include <QTimer>
#include <atomic>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tidepost {

void KeepFreedHeapSmall() {
#if defined(__GLIBC__)
    // glibc otherwise raises these limits after large frees and then keeps tens of MiB of freed
    // heap, and gives every worker thread a heap of its own that is never shrunk: fixed limits
    // and two heaps keep resident memory close to what is in use.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024);
    mallopt(M_ARENA_MAX, 2);
#endif
}

void ReturnFreedHeap() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void ReturnFreedHeapSoon() {
#if defined(__GLIBC__)
    static std::atomic<bool> queued{false};
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return ReturnFreedHeap();
    if (queued.exchange(true)) return;
    QTimer::singleShot(0, app, [] {
        queued = false;
        ReturnFreedHeap();
    });
#endif
}

}  // namespace tidepost
