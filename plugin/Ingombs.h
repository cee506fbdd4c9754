// The dimension dialog ("Ingombro"): the real sizes of a preconfigured composite (X, Y, Z) beside their
// nominal names (XN, YN, ZN) from the host's value lists "MenuX_pcf", "MenuY_pcf" and "MenuZ_pcf".
//
// This is the dialog's state and logic; its window is the user-interface services' modal dialog "TIngomb"
// (337 x 140, centred: edits X, Y, Z under "Reali" and XN, YN, ZN under "Nominali", labels "X =", "Y =",
// "Z = ", buttons Real2Nom and Nom2Real, default button "OK").
//
// How texts travel with no toolkit in between: the caller fills the fields, calls ShowModal and reads the
// fields afterwards, whatever the result. While ShowModal runs, TIngomb::Aperto() is the dialog shown; a
// face (the window, or a test's UiServices) edits the fields through it, calls FormShow when it appears,
// Real2Nom and Nom2Real on their buttons, and closes with OK only when Ok() allows it. A face that shows
// nothing (ConsoleUi) answers OK and leaves the fields as the caller set them.
#pragma once

#include <string>

#include "platform/ui_services.h"

namespace rovan {

class TIngomb {
 public:
  static constexpr const char* kNomeDialogo = "TIngomb";

  std::string X, Y, Z;     // real sizes ("Reali")
  std::string XN, YN, ZN;  // nominal names ("Nominali")

  // When the dialog appears: real to nominal.
  void FormShow() { Real2Nom(); }
  // For each axis the nominal text becomes the real text, or the name of the list entry for that size when
  // the real text is a number ("." decimal separator) within 0.1 of an entry.
  void Real2Nom();
  // For each axis whose nominal text names an entry of its list, the real text becomes the entry's number
  // (shortest text that reads back as the same value, e.g. "60", "59.95"); other axes stay as they are.
  void Nom2Real();
  // Whether the dialog may close with OK: false, after showing "Situazione non Allineata", when for X, Y or
  // Z the nominal text names an entry whose number, written as Nom2Real writes it, differs from the real
  // text.
  bool Ok();

  // Shows the dialog modally (Ui().ShowModal("TIngomb")) and returns how it was closed.
  ModalResult ShowModal();
  // The dialog being shown, or null.
  static TIngomb* Aperto();
};

}  // namespace rovan
