// The plug-in's settings file "rovan.ini" and the window-position persistence built on it.
//
// The file lives in the host's base folder; without the host link, in the folder of the host executable.
// Keys (section, key, type, default):
//   <form name>  Top, Left               Integer  -1    window position
//   <form name>  Height, Width           Integer  -1    window size (windows persisted with size)
//   FormEdit     Splitter1..3            Integer  the current panel widths
//   FormEdit     PrelImm                 Boolean  true  image grab from the host (true) or the renderer
//   FormEdit     CompostoPopupHeight/Width Integer 400
//   TEditCmp     FontSize                Integer  8
//   Ingrand      MAXDIM                  Integer  0
//   lingue       lingua<n>               string   ""    price-list languages
#pragma once

#include <string>

#include "platform/profile_file.h"

namespace rovan {

// The settings file object, created on first use and kept until ReleaseFileImpostazioni (library unload).
ProfileFile& FileImpostazioni();
void ReleaseFileImpostazioni();

// A window's geometry as the persistence sees it, and the screen it is shown on.
struct FormGeometry {
  int top = 0;
  int left = 0;
  int height = 0;
  int width = 0;
};

// Applies the stored position (and size, when conDimensioni) of the window named name:
// Top and Left only when both stored values are greater than 0, each clamped so the window stays on the
// screen (Top at most screenHeight - height, Left at most screenWidth - width); Height and Width only when
// both are greater than 10.
void CaricaPosizioneForm(const std::string& name, FormGeometry& form, int screenWidth, int screenHeight,
                         bool conDimensioni);
// Stores Top and Left, and Height and Width when conDimensioni.
void SalvaPosizioneForm(const std::string& name, const FormGeometry& form, bool conDimensioni);

}  // namespace rovan
