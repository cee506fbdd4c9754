// The navigation engine of one price list, restored as a container restores it in container mode: empty
// tabs kept, no language active.
#pragma once

#include <memory>
#include <string>

#include "engine/gestore.h"

namespace rovan::cli {

std::unique_ptr<TGestore> RipristinaMotore(const std::string& argomento);

}  // namespace rovan::cli
