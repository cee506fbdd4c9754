// Filter evaluation: the host's filter options, the model, extended and library filters, the exclusions
// of price lists and the external filter of the current tab.
#include "engine/gestore.h"
#include "platform/code_page.h"
#include "platform/profile_file.h"
#include "platform/text_utils.h"
#include "plugin/host_link.h"
#include "plugin/process_state.h"

namespace rovan {
namespace {

bool Contiene(std::string_view testo, std::string_view parte) { return testo.find(parte) != std::string_view::npos; }

// The part of a filter text before its first "(", trimmed (the whole text trimmed when there is none).
std::string_view ParteModello(std::string_view filtro) { return TrimView(filtro.substr(0, filtro.find('('))); }

// The host's mode text: key "modalita" of section "init" of the host's settings file, kept once read.
const std::string& Modalita() {
  std::string& modalita = Processo().modalita;
  if (modalita.empty()) {
    modalita = ProfileFile(HostLink::Get().HostIniFile()).ReadString("init", "modalita", "");
    if (modalita.size() > 1024) modalita.resize(1024);
  }
  return modalita;
}

}  // namespace

bool OkFiltroModello(std::string_view modello, std::string_view filtroCodice) {
  if (filtroCodice.find('(') != std::string_view::npos) filtroCodice = ParteModello(filtroCodice);
  if (filtroCodice.empty()) return true;
  if (filtroCodice == "-") return false;
  const bool trovato = Contiene(filtroCodice, modello);
  return Contiene(filtroCodice, "!") ? !trovato : trovato;
}

void TGestore::SettaFiltro() {
  const HostLink& host = HostLink::Get();
  if (!host.available()) return;
  auto acceso = [&](const char* nome) { return host.ReadNumber(nome).value_or(0) > 0.5; };
  auto testo = [&](const char* nome) { return Trim(host.ReadText(nome).value_or("")); };
  m_con_filtro_dll = acceso("CMP_FILTRO_DLL");
  m_con_filtro_esteso = acceso("CMP_FILTRO_ESTESO");
  m_filtro_extra = m_con_filtro_esteso ? testo("LST_FILTRO_EXTRA") : "";
  m_filtroAtt = testo("LST_FILTRO");
  const std::string esclMod = testo("CMP_FILTRO_MOD_ID_ESCL");
  const std::string esclDll = testo("CMP_FILTRO_DLL_ID_ESCL");
  const std::string esclEst = testo("CMP_FILTRO_ESTESO_ID_ESCL");
  const std::string versione = testo("CMP_VERSIONE_IMMAGINE");
  for (size_t i = 0; i < m_DMMainArray.size(); ++i) {
    TDMMain& dm = *m_DMMainArray[i];
    if (dm.m_IsFendrix) break;
    if (i > 0) {
      // A plain substring test: position 1 counts as listed in "12".
      const std::string pos = std::to_string(i);
      dm.m_EsclusoDaFiltroMod = Contiene(esclMod, pos);
      dm.m_EsclusoDaFiltroDll = Contiene(esclDll, pos);
      dm.m_EsclusoDaFiltroEsteso = Contiene(esclEst, pos);
    }
    dm.m_versioneimmagine = versione;
  }
}

bool TGestore::IsVisibilePerFiltri(TCodMdl& mc, std::string& log) {
  log.clear();
  TDMMain* dm = GetDMMain(mc.GetIdListino());
  if (dm == nullptr) return true;
  bool risultato = true;
  const bool libreria = !dm->m_IsFendrix && m_con_filtro_dll && !dm->m_EsclusoDaFiltroDll;
  const bool esteso = !dm->m_IsFendrix && m_con_filtro_esteso && !dm->m_EsclusoDaFiltroEsteso;
  const std::string& modello = FiltroModelloPer(dm);
  if (!dm->m_IsFendrix && !m_SoloGlobAtt) risultato = mc.m_Visible;
  if (!m_FiltroEsterno.empty()) risultato = Contiene(mc.filtro(), m_FiltroEsterno) == m_InclusoFiltroEsterno;
  if (dm->m_IsFendrix) return risultato;
  if (!risultato) {
    log = "FILTRO ESTERNO";
    return false;
  }
  if (libreria) {
    std::string attributo(mc.attributo());
    risultato = OkFiltroDaDll2(std::string(mc.filtro()), std::string(mc.filtroAux()), std::string(mc.cod()), attributo) >= 1;
    if (attributo != mc.attributo()) mc.Set(TCodMdl::Attributo, attributo);
    if (!risultato) log = "FILTRO DLL";
  } else {
    risultato = modello.empty() || OkFiltroModello(modello, mc.filtro());
    if (!risultato) log = "FILTRO MODELLO";
  }
  if (risultato && esteso) {
    risultato = OkFiltroEsteso(mc.filtro());
    if (!risultato) log = "FILTRO ESTESO";
  }
  return risultato;
}

const std::string& TGestore::FiltroModelloPer(const TDMMain* dm) const {
  static const std::string kNessuno;  // a reference, not a copy: asked for every code of a list
  return dm == nullptr || dm->m_IsFendrix || dm->m_EsclusoDaFiltroMod ? kNessuno : m_filtroAtt;
}

int TGestore::OkFiltroDaDll2(std::string grp, const std::string& filtroAux, const std::string& codArt, std::string& attr) {
  if (!m_con_filtro_dll) return 0;
  if (grp.find('(') != std::string::npos) grp = std::string(ParteModello(grp));
  if (!m_handle_OkFiltroDaDll) {
    std::optional<std::string> nome = HostLink::Get().ReadText("InOutDll");
    if (!nome) return 1;  // asked again at the next call
    m_handle_OkFiltroDaDll = DynamicLibrary::Open(*nome);
    if (!m_handle_OkFiltroDaDll) return 0;  // loading is tried again at the next call
    m_OkFiltroDaDll3 = m_handle_OkFiltroDaDll->Function<OkFiltro3>("OkFiltroDaDll3");
    m_OkFiltroDaDll2 = m_handle_OkFiltroDaDll->Function<OkFiltro2>("OkFiltroDaDll2");
    m_OkFiltroDaDll = m_handle_OkFiltroDaDll->Function<OkFiltro1>("OkFiltroDaDll");
    if (!m_OkFiltroDaDll3 && !m_OkFiltroDaDll2 && !m_OkFiltroDaDll) {
      m_handle_OkFiltroDaDll.reset();
      m_con_filtro_dll = false;  // for the rest of the engine's life
      return 0;
    }
  }
  const std::string g = Utf8ToAnsi(grp), aux = Utf8ToAnsi(filtroAux), cod = Utf8ToAnsi(codArt);
  if (m_OkFiltroDaDll3) {
    std::string buffer(1025, '\0');
    const int32_t r = m_OkFiltroDaDll3(g.c_str(), aux.c_str(), cod.c_str(), buffer.data());
    buffer[1024] = '\0';
    if (buffer[0] != '\0') attr = AnsiToUtf8(buffer.c_str());
    return r;
  }
  if (m_OkFiltroDaDll2) return m_OkFiltroDaDll2(g.c_str(), aux.c_str(), cod.c_str());
  return m_OkFiltroDaDll(g.c_str(), cod.c_str());
}

bool TGestore::OkFiltroEsteso(std::string_view filtro) const {
  for (size_t apre = filtro.find('('); apre != std::string_view::npos;) {
    const size_t chiude = filtro.find(')', apre + 1);
    const std::string_view parte =
        filtro.substr(apre + 1, chiude == std::string_view::npos ? std::string_view::npos : chiude - apre - 1);
    bool ok = true;
    if (!parte.empty()) {
      switch (parte[0]) {
        case '4': ok = TestaEstesaKalvor4(parte); break;
        case 'E': ok = TestaEstesaExtra(parte); break;
        case 'M': ok = TestaEstesaModalita(parte); break;
        default: break;
      }
    }
    if (!ok) return false;
    if (chiude == std::string_view::npos) break;  // an unclosed part takes the rest and ends the scan
    apre = filtro.find('(', chiude + 1);
  }
  return true;
}

bool TGestore::TestaEstesaExtra(std::string_view s) const {
  return OkFiltroModello(m_filtro_extra, s.size() > 2 ? s.substr(2) : std::string_view());
}

bool TGestore::TestaEstesaModalita(std::string_view s) const {
  std::string_view testo = s.size() > 2 ? s.substr(2) : std::string_view();
  const bool negato = !testo.empty() && testo[0] == '!';
  if (negato) testo.remove_prefix(1);
  return Contiene(testo, Modalita()) != negato;
}

}  // namespace rovan
