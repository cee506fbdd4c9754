// The command lines after which the real host has written a file ("rec_cmp", "K4_PRINT", "TPRINT"): the
// substitute writes one too, so the plug-in finds what it asked for. What each writes: Host's
// "Files the commands produce".
#pragma once

namespace kalvor {

struct HostState;

// Sets the three built-in handlers on state.commands; they read the state when a line arrives.
void InstallFileCommands(HostState& state);

}  // namespace kalvor
