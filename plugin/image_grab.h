// Grabbing a picture of the current scene from the host: printed by the host itself, or rendered by the
// render application the host drives.
#pragma once

#include <string>

namespace rovan {

// Fires "OnCmpPrePrelevaWmf", sends "K4_PRINT -nopreview", reads the produced file's name from key
// ultimoDis of section SettaggiStampa of the host's settings file, fires "OnCmpPostPrelevaWmf".
// The file name, empty when the key is missing (always without the host link).
std::string PrelevaImmagineKalvor();

// Only with the host link: fires "OnCmpPrePrelevaORvel", deletes "rovan.png" in the temporary folder, has
// the host render the scene to it (TPRINT) with the preset of host variable CMP_PRESETORVEL, or "rovan"
// when that is missing or empty, and fires "OnCmpPostPrelevaORvel". The file name when the file now exists,
// else empty.
std::string PrelevaImmagineOrvel();

}  // namespace rovan
