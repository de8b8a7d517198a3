// Making room in the heap for the notes a load is about to read.
#include "core/heapreserve.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#define QUILLBOX_GLIBC_HEAP 1
#endif

namespace
{
constexpr qint64 smallest = qint64(1) << 20; // less is a few hundred faults at most
constexpr qint64 largest = qint64(32) << 20;
constexpr int populateWrite = 23; // MADV_POPULATE_WRITE, Linux 5.14
} // namespace

void reserveHeap(qint64 bytes)
{
#ifdef QUILLBOX_GLIBC_HEAP
    if (bytes < smallest)
        return;
    bytes = std::min(bytes, largest);
    // Blocks this large would otherwise be mapped apart from the heap, and a
    // free at the top of the heap would hand the pages straight back.
    mallopt(M_MMAP_THRESHOLD, int(2 * largest));
    mallopt(M_TRIM_THRESHOLD, int(4 * largest));
    char *block = static_cast<char *>(std::malloc(size_t(bytes)));
    if (!block)
        return;
    const auto page = uintptr_t(sysconf(_SC_PAGESIZE));
    const auto at = reinterpret_cast<uintptr_t>(block);
    char *first = block + (page - at % page) % page;
    char *end = block + bytes - (at + uintptr_t(bytes)) % page;
    // An older kernel says EINVAL: the pages then come one fault at a time,
    // as they would have anyway.
    if (end > first)
        madvise(first, size_t(end - first), populateWrite);
    // Back to the heap, pages kept: the texts are carved out of them next.
    std::free(block);
#else
    Q_UNUSED(bytes);
#endif
}
