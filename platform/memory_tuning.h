// How the C library hands memory back to the system. GL layer start-up only.
#pragma once

// The software renderer allocates and frees vertex buffers on every draw. With the C library's
// defaults, freeing at the top of the heap gives the pages back and the next draw faults them in
// again, about a hundred times a frame in the follow view, which cost more than the drawing
// itself. Keeps freed memory in the process for reuse instead.
void KeepFreedMemoryForReuse();
