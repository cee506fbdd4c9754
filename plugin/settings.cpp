#include "plugin/settings.h"

#include <memory>

#include "platform/system_paths.h"
#include "plugin/host_link.h"

namespace rovan {
namespace {

std::unique_ptr<ProfileFile>& SettingsSlot() {
  static std::unique_ptr<ProfileFile> file;
  return file;
}

std::string SettingsFileName() {
  const HostLink& host = HostLink::Get();
  std::string folder = host.available() ? host.BasePath() : ExecutableFolder();
  return IncludeTrailingDelimiter(folder) + "rovan.ini";
}

}  // namespace

ProfileFile& FileImpostazioni() {
  auto& file = SettingsSlot();
  if (!file) file = std::make_unique<ProfileFile>(SettingsFileName());
  return *file;
}

void ReleaseFileImpostazioni() { SettingsSlot().reset(); }

void CaricaPosizioneForm(const std::string& name, FormGeometry& form, int screenWidth, int screenHeight,
                         bool conDimensioni) {
  ProfileFile& ini = FileImpostazioni();
  int top = ini.ReadInteger(name, "Top", -1);
  int left = ini.ReadInteger(name, "Left", -1);
  if (top > 0 && left > 0) {
    form.top = top < screenHeight - form.height ? top : screenHeight - form.height;
    form.left = left < screenWidth - form.width ? left : screenWidth - form.width;
  }
  if (!conDimensioni) return;
  int height = ini.ReadInteger(name, "Height", -1);
  int width = ini.ReadInteger(name, "Width", -1);
  if (height > 10 && width > 10) {
    form.height = height;
    form.width = width;
  }
}

void SalvaPosizioneForm(const std::string& name, const FormGeometry& form, bool conDimensioni) {
  ProfileFile& ini = FileImpostazioni();
  ini.WriteInteger(name, "Top", form.top);
  ini.WriteInteger(name, "Left", form.left);
  if (!conDimensioni) return;
  ini.WriteInteger(name, "Height", form.height);
  ini.WriteInteger(name, "Width", form.width);
}

}  // namespace rovan
