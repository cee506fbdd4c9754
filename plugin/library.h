// The plug-in library as a whole: what happens when it is loaded and unloaded, the singletons it hands
// out, and the lookup behind the exported get_InstanceByName.
#pragma once

#include <cstdint>
#include <string>

namespace rovan {

class IStatusNotifyImpl;
class TRovanEvent;
class TRovanObject;

// Library initialisation: binds to the host, creates the IRovan and IRovanEvent singletons and the status
// sink (not advised yet), remembers the temporary folder and the host executable's name. Idempotent.
void CaricaLibreria();
// Library unload: releases the settings file, the management-system library, the primary container's
// extra reference, the singletons, the status sink and the host interfaces; clears the process-wide texts.
void ScaricaLibreria();
bool LibreriaCaricata();

TRovanObject& RovanObject();
TRovanEvent& RovanEvent();
IStatusNotifyImpl& StatusSink();

// The system's temporary folder with a trailing delimiter, and the host executable's full name in lower
// case, as remembered at initialisation.
const std::string& CartellaTemporanea();
const std::string& NomeEseguibileHost();

// The lookup behind get_InstanceByName: sets *obj to null, then hands out "IRovan" (switching container
// mode on), "IRovan.1", "IRovan.ID", "IRovanEvent", or a new container for "IRovanContainer" with a
// version suffix of at most 7. 0 on success, -1 for any other name.
int32_t RovanGetInstanceByName(const char* name, void** obj);

}  // namespace rovan
