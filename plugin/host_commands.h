// The command lines (IStatus slot 3) and events (IStatus slot 46) of the picture grabs and of storing
// composites, spelled exactly as the host expects them. Values inside command lines travel between double
// quotes unless a line says otherwise; they are given in UTF-8, like every text handed to HostLink.
#pragma once

#include <string>

namespace rovan::comandi {

// The host opens its composite dialog, its preconfigured-composite dialog, its component dialog.
inline constexpr const char* kApriDialogoComposto = "esegui OnOpenDialogCMP";
inline constexpr const char* kApriDialogoPreconfigurato = "esegui OnOpenDialogPCF";
inline constexpr const char* kApriDialogoComponente = "esegui OnOpenDialogCOMP";

// The host prints the current view to an image file without preview (the file: key ultimoDis of section
// SettaggiStampa of the host's settings file).
inline constexpr const char* kStampaImmagine = "K4_PRINT -nopreview";

// rec_cmp "<file>" "<code>": the host writes the definition of its current composite to file; a non-zero
// result means it rejected the command.
std::string RecCmp(const std::string& file, const std::string& codice);
// rec_it <file>: the host writes the current item to file (unquoted).
std::string RecIt(const std::string& file);
// TPRINT CMD GO ORVEL BATCH RND_OUTFILE "<file>" RND_PRESET "<preset>": the render application renders the
// scene to file with that preset.
std::string TPrint(const std::string& file, const std::string& preset);

}  // namespace rovan::comandi

namespace rovan::eventi {

// Around the print grab and around the render grab.
inline constexpr const char* kPrimaStampa = "OnCmpPrePrelevaWmf";
inline constexpr const char* kDopoStampa = "OnCmpPostPrelevaWmf";
inline constexpr const char* kPrimaRender = "OnCmpPrePrelevaORvel";
inline constexpr const char* kDopoRender = "OnCmpPostPrelevaORvel";

}  // namespace rovan::eventi
