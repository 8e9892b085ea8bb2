// How the C library hands memory back to the system. GL layer start-up only.
#pragma once

// The software renderer allocates and frees vertex buffers of a few hundred kilobytes on every
// draw of a busy frame. With the C library's defaults each such free gives the pages back and
// the next draw faults them in again, which cost more than the drawing in crowded views. Keeps
// freed memory in the process for reuse instead.
void KeepFreedMemoryForReuse();
