// Making room in the heap for the notes a load is about to read.
#pragma once

#include <QtGlobal>

// Makes room in the heap for about `bytes` of texts about to be read, and has
// the system hand over its pages in one go. Loading 10 MB of notes otherwise
// grows the heap a page at a time, and those 2,500 page faults cost more
// than the reading itself. Small amounts are left alone, and so are builds
// whose allocator is not the C library's.
void reserveHeap(qint64 bytes);
