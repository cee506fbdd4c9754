// The browsing commands of the command-line host: each drives an open container through its interface,
// as the design application does, and prints what the host would show.
#pragma once

#include <string>
#include <vector>

#include "host/kalvor/event_sink.h"
#include "plugin/ItfRovan.h"

namespace kalvor {

// Runs one command (tree, codes, codes-path, find, item, image, json, command) with its arguments; the exit
// status. eventi is the sink set on IRovanEvent: codes-path reads its answer there, and command prints the
// events its line raised.
int Sfoglia(rovan::IRovanContainer& c, EventSink& eventi, const std::string& comando,
            const std::vector<std::string>& args);

}  // namespace kalvor
