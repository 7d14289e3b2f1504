#pragma once
// The process's memory as the system sees it.

namespace platform {

// Gives back to the system the memory the allocator holds freed. Each thread's allocator keeps
// what was freed into it; a long build whose threads hand each other pages would otherwise grow
// by what they held at their busiest.
void releaseFreeMemory();

}  // namespace platform
