#include "plugin/image_grab.h"

#include <filesystem>

#include "platform/profile_file.h"
#include "plugin/host_commands.h"
#include "plugin/host_link.h"
#include "plugin/library.h"

namespace rovan {

std::string PrelevaImmagineKalvor() {
  const HostLink& host = HostLink::Get();
  host.FireEvent(eventi::kPrimaStampa);
  host.Command(comandi::kStampaImmagine);
  std::string file = ProfileFile(host.HostIniFile()).ReadString("SettaggiStampa", "ultimoDis", "");
  host.FireEvent(eventi::kDopoStampa);
  return file;
}

std::string PrelevaImmagineOrvel() {
  const HostLink& host = HostLink::Get();
  if (!host.available()) return {};
  host.FireEvent(eventi::kPrimaRender);
  const std::string file = CartellaTemporanea() + "rovan.png";
  std::error_code ignorato;  // a file that cannot be deleted is overwritten by the render, or reported missing
  std::filesystem::remove(file, ignorato);
  std::string preset = host.ReadText("CMP_PRESETORVEL").value_or("");
  if (preset.empty()) preset = "rovan";
  host.Command(comandi::TPrint(file, preset));
  std::string risultato = std::filesystem::exists(file) ? file : std::string();
  host.FireEvent(eventi::kDopoRender);
  return risultato;
}

}  // namespace rovan
