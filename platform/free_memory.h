// Giving memory freed after a large piece of work back to the system.
#pragma once

namespace rovan {

// Returns the free pages the allocator holds, in every thread's heap, to the system. Work that builds and
// drops hundreds of megabytes (a restore reads on two threads) would otherwise leave them resident.
void RestituisciMemoriaLibera();

}  // namespace rovan
