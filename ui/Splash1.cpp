#include "ui/Splash1.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/ui_services.h"

namespace rovan {
namespace {

// Used from the user-interface thread only.
std::unique_ptr<TOpenSplash>& Current() {
  static std::unique_ptr<TOpenSplash> splash;
  return splash;
}

}  // namespace

TOpenSplash::TOpenSplash(WindowHandle owner, int maximum, std::string text)
    : m_Owner(owner), m_Massimo(maximum), m_Testo(std::move(text)) {
  Ui().ProgressOpen(m_Testo, m_Massimo);
  Ui().ProgressPosition(m_Posizione);
}

TOpenSplash::~TOpenSplash() { Ui().ProgressClose(); }

void TOpenSplash::SetPosition(int position) {
  m_Posizione = std::clamp(position, 1, std::max(1, m_Massimo));
  Ui().ProgressPosition(m_Posizione);
  Ui().ProgressCaption(m_Testo + " (" + std::to_string(m_Posizione) + "/" + std::to_string(m_Massimo) + ")");
  Ui().ProcessEvents();
}

void ApriSplash(WindowHandle owner, int max, const std::string& text) {
  Current().reset();
  Current() = std::make_unique<TOpenSplash>(owner, max, text);
}

void StepSplash(int n) {
  if (Current()) Current()->Step(n);
}

void PosizioneSplash(int n) {
  if (Current()) Current()->SetPosition(n);
}

void ChiudiSplash() { Current().reset(); }

}  // namespace rovan
