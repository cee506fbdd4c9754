#include "plugin/rovan_event.h"

#include "platform/code_page.h"
#include "plugin/boundary.h"

namespace rovan {

TRovanEvent::~TRovanEvent() { SetSink(nullptr); }

void ROVAN_STDCALL TRovanEvent::SetSink(IRovanEventSink* sink) {
  ProtettoVoid("SetSink", [&] {
    if (sink != nullptr) sink->AddRef();
    IRovanEventSink* previous = m_sink;
    m_sink = sink;
    if (previous != nullptr) previous->Release();
  });
}

void TRovanEvent::Notifica(int32_t ttype, const std::string& msg) {
  if (m_sink != nullptr) m_sink->OnNotifica(ttype, Utf8ToAnsi(msg).c_str());
}

}  // namespace rovan
