// The progress window long operations (imports, exports, maintenance) keep open while they run on the
// user-interface thread. One at a time, shown through the user-interface services: a window under a
// toolkit, a bar on stderr in a terminal.
#pragma once

#include <cstdint>
#include <string>

namespace rovan {

// A window handle of the host or of our own windows; 0 for none.
using WindowHandle = std::uintptr_t;

class TOpenSplash {
 public:
  // Shows the window with the base text as caption, the bar at position 1 of maximum.
  TOpenSplash(WindowHandle owner, int maximum, std::string text);
  ~TOpenSplash();
  TOpenSplash(const TOpenSplash&) = delete;
  TOpenSplash& operator=(const TOpenSplash&) = delete;

  void Step(int n) { SetPosition(m_Posizione + n); }
  // The bar keeps the position within 1..maximum, as a progress bar does; the caption becomes
  // "text (position/maximum)" and pending window messages are handled.
  void SetPosition(int position);

  WindowHandle Owner() const { return m_Owner; }
  int Posizione() const { return m_Posizione; }

 private:
  WindowHandle m_Owner;
  int m_Massimo;
  int m_Posizione = 1;
  std::string m_Testo;  // the base caption
};

// The window of the running operation: ApriSplash replaces an earlier one, ChiudiSplash destroys it;
// StepSplash and PosizioneSplash do nothing while none is open.
void ApriSplash(WindowHandle owner, int max, const std::string& text);
void StepSplash(int n);
void PosizioneSplash(int n);
void ChiudiSplash();

}  // namespace rovan
