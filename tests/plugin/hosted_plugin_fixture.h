// A fresh plug-in bound to a fresh substitute host, with the temporary folder and the host's base folder in
// a folder of the test, and a user interface whose modal dialogs a test can script (DialogUi).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "host/motore/motore_host.h"
#include "platform/ui_services.h"
#include "plugin/Ingombs.h"
#include "plugin/library.h"
#include "plugin_fixture.h"
#include "tests/platform/scoped_env.h"
#include "tests/platform/temp_folder.h"

namespace rovan {

// A RecordingUi that lets the test act on the dimension dialog while it is shown: onIngomb runs with
// TIngomb::Aperto() before the scripted answer is given.
class DialogUi : public RecordingUi {
 public:
  ModalResult ShowModal(const std::string& name) override {
    if (TIngomb* d = TIngomb::Aperto(); d != nullptr && onIngomb) onIngomb(*d);
    return RecordingUi::ShowModal(name);
  }
  std::function<void(TIngomb&)> onIngomb;
};

class HostedPluginTest : public PluginTest {
 protected:
  void SetUp() override {
    host_.Reset();
    host_.SetBasePath(folder_.path());
    host_.SetIniFile(folder_.File("kalvor.ini"));
    auto ui = std::make_unique<DialogUi>();
    dialogs_ = ui.get();
    previous_ui_ = InstallUi(std::move(ui));
    PluginTest::SetUp();
  }
  void TearDown() override {
    PluginTest::TearDown();
    InstallUi(std::move(previous_ui_));
    host_.Reset();
  }

  kalvor::Host& host_ = kalvor::Host::Instance();
  test::TempFolder folder_;
  test::ScopedEnv tmpdir_{"TMPDIR", folder_.path().c_str()};
  DialogUi* dialogs_ = nullptr;  // installed while the test runs

 private:
  std::unique_ptr<UiServices> previous_ui_;
};

}  // namespace rovan
