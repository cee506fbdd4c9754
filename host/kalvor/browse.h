// The browsing commands of the command-line host: each drives an open container through its interface,
// as the design application does, and prints what the host would show.
#pragma once

#include <string>
#include <vector>

#include "plugin/ItfRovan.h"

namespace kalvor {

// Runs one command (tree, codes, find, item, image, json, command) with its arguments; the exit status.
int Sfoglia(rovan::IRovanContainer& c, const std::string& comando, const std::vector<std::string>& args);

}  // namespace kalvor
