#include "platform/free_memory.h"

#include <malloc.h>

namespace rovan {

void RestituisciMemoriaLibera() { malloc_trim(0); }

}  // namespace rovan
