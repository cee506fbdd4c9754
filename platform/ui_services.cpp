#include "platform/ui_services.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <sstream>

namespace rovan {
namespace {

std::unique_ptr<UiServices>& Current() {
  static std::unique_ptr<UiServices> current = std::make_unique<ConsoleUi>();
  return current;
}

// Full name of xdg-open found through PATH, or empty.
std::string FindXdgOpen() {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path != nullptr ? path : "");
  for (std::string folder; std::getline(folders, folder, ':');) {
    if (folder.empty()) continue;
    const std::string candidate = folder + "/xdg-open";
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

// Starts xdg-open on target without waiting for it. A double fork hands it to init, so no zombie is left
// behind; only the intermediate child, which exits at once, is reaped here.
bool LaunchXdgOpen(const std::string& target) {
  const std::string program = FindXdgOpen();
  if (program.empty()) return false;
  // Built before fork: between fork and exec only async-signal-safe calls are allowed.
  std::string arg0 = "xdg-open", arg1 = target;
  char* const argv[] = {arg0.data(), arg1.data(), nullptr};
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    if (fork() == 0) {
      execv(program.c_str(), argv);
      _exit(127);
    }
    _exit(0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

RecordingUi::Event MakeEvent(std::string kind, std::string text = {}, std::string caption = {},
                             int value = 0) {
  RecordingUi::Event event;
  event.kind = std::move(kind);
  event.text = std::move(text);
  event.caption = std::move(caption);
  event.value = value;
  return event;
}

}  // namespace

UiServices& Ui() { return *Current(); }

std::unique_ptr<UiServices> InstallUi(std::unique_ptr<UiServices> services) {
  if (!services) services = std::make_unique<ConsoleUi>();
  Current().swap(services);
  return services;
}

ModalResult DefaultAnswer(const MessageBoxRequest& request) {
  using enum ModalResult;
  static const std::vector<ModalResult> kOk{Ok}, kOkCancel{Ok, Cancel}, kYesNo{Yes, No},
      kYesNoCancel{Yes, No, Cancel};
  const std::vector<ModalResult>* buttons = &kOk;
  switch (request.buttons) {
    case MsgButtons::Ok: buttons = &kOk; break;
    case MsgButtons::OkCancel: buttons = &kOkCancel; break;
    case MsgButtons::YesNo: buttons = &kYesNo; break;
    case MsgButtons::YesNoCancel: buttons = &kYesNoCancel; break;
  }
  const auto index = static_cast<size_t>(request.defaultButton);  // a negative index wraps out of range
  return (*buttons)[index < buttons->size() ? index : 0];
}

// --- ConsoleUi ---

ModalResult ConsoleUi::MessageBox(const MessageBoxRequest& request) {
  if (!request.caption.empty()) std::cerr << request.caption << ": ";
  std::cerr << request.text << '\n';
  return DefaultAnswer(request);
}

bool ConsoleUi::ShellOpen(const std::string& target) { return LaunchXdgOpen(target); }

// xdg-open hands a text file to the desktop's editor, as "notepad" does on Windows.
bool ConsoleUi::OpenTextFile(const std::string& fileName) { return LaunchXdgOpen(fileName); }

ModalResult ConsoleUi::ShowModal(const std::string& dialogName) {
  std::cerr << "Dialog " << dialogName << " is not available in console mode; answered Ok\n";
  return ModalResult::Ok;
}

bool ConsoleUi::ShowEditor() {
  std::cerr << "The editor window is not available in console mode\n";
  return false;
}

void ConsoleUi::ProgressOpen(const std::string& caption, int maximum) {
  progress_open_ = true;
  progress_caption_ = caption;
  progress_max_ = maximum;
  progress_pos_ = 0;
  DrawProgress();
}

void ConsoleUi::ProgressCaption(const std::string& caption) {
  progress_caption_ = caption;
  DrawProgress();
}

void ConsoleUi::ProgressPosition(int position) {
  progress_pos_ = position;
  DrawProgress();
}

void ConsoleUi::ProgressClose() {
  if (progress_open_ && isatty(STDERR_FILENO)) std::cerr << '\n';  // leaves the last bar on its own line
  progress_open_ = false;
}

// One line redrawn in place; a redirected stderr (a log file) gets nothing.
void ConsoleUi::DrawProgress() {
  if (!progress_open_ || !isatty(STDERR_FILENO)) return;
  constexpr int kWidth = 30;
  const int filled =
      progress_max_ > 0 ? std::clamp(progress_pos_, 0, progress_max_) * kWidth / progress_max_ : 0;
  std::cerr << '\r' << progress_caption_ << " [" << std::string(static_cast<size_t>(filled), '#')
            << std::string(static_cast<size_t>(kWidth - filled), ' ') << "] " << progress_pos_ << '/'
            << progress_max_ << std::flush;
}

// --- RecordingUi ---

ModalResult RecordingUi::MessageBox(const MessageBoxRequest& request) {
  events_.push_back(MakeEvent("message", request.text, request.caption));
  if (messageAnswers.empty()) return DefaultAnswer(request);
  const ModalResult answer = messageAnswers.front();
  messageAnswers.pop_front();
  return answer;
}

bool RecordingUi::ShellOpen(const std::string& target) {
  events_.push_back(MakeEvent("shell", target));
  return true;
}

bool RecordingUi::OpenTextFile(const std::string& fileName) {
  events_.push_back(MakeEvent("textfile", fileName));
  return true;
}

ModalResult RecordingUi::ShowModal(const std::string& dialogName) {
  events_.push_back(MakeEvent("modal", dialogName));
  if (modalAnswers.empty()) return ModalResult::Ok;
  const ModalResult answer = modalAnswers.front();
  modalAnswers.pop_front();
  return answer;
}

bool RecordingUi::ShowEditor() {
  events_.push_back(MakeEvent("editor"));
  return true;
}

void RecordingUi::DestroyEditor() { events_.push_back(MakeEvent("destroy-editor")); }

void RecordingUi::ProgressOpen(const std::string& caption, int maximum) {
  events_.push_back(MakeEvent("progress-open", caption, {}, maximum));
}

void RecordingUi::ProgressCaption(const std::string& caption) {
  events_.push_back(MakeEvent("progress-caption", caption));
}

void RecordingUi::ProgressPosition(int position) {
  events_.push_back(MakeEvent("progress-position", {}, {}, position));
}

void RecordingUi::ProgressClose() { events_.push_back(MakeEvent("progress-close")); }

std::vector<std::string> RecordingUi::messages() const {
  std::vector<std::string> texts;
  for (const Event& event : events_) {
    if (event.kind == "message") texts.push_back(event.text);
  }
  return texts;
}

// --- ScopedRecordingUi ---

ScopedRecordingUi::ScopedRecordingUi() {
  auto recording = std::make_unique<RecordingUi>();
  ui_ = recording.get();
  previous_ = InstallUi(std::move(recording));
}

ScopedRecordingUi::~ScopedRecordingUi() { InstallUi(std::move(previous_)); }

}  // namespace rovan
