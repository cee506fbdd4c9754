// User-interface services of the core.
//
// Message boxes, the clipboard, the shell "open" verb, the text editor, modal dialogs, the editor window
// and the progress window all go through one UiServices object, so the core never includes a toolkit.
// Three implementations exist: ConsoleUi (stderr; a message box answers with its default button; a
// progress bar on stderr when it is a terminal), RecordingUi (tests read what was shown and script the
// answers) and the Qt one that the user-interface library installs when it loads.
//
// Thread rule: called on the host's user-interface thread only. The current services object is owned
// by this module; Ui() never returns a dangling reference.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace rovan {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Warning, Error, Question };
// Results of message boxes and modal dialogs, with the values of the Windows toolkit.
enum class ModalResult { None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageBoxRequest {
  std::string text;
  std::string caption;
  MsgButtons buttons = MsgButtons::Ok;
  MsgIcon icon = MsgIcon::None;
  int defaultButton = 0;  // 0-based index among the buttons
};

class UiServices {
 public:
  virtual ~UiServices() = default;

  virtual ModalResult MessageBox(const MessageBoxRequest& request) = 0;

  virtual void SetClipboardText(const std::string& text) = 0;
  virtual std::string ClipboardText() = 0;

  // The shell's "open" verb on a file or address; false when nothing could open it.
  virtual bool ShellOpen(const std::string& target) = 0;
  // "notepad <file>": opens a text file for reading and editing.
  virtual bool OpenTextFile(const std::string& fileName) = 0;

  // Shows the named modal dialog and returns how it was closed.
  virtual ModalResult ShowModal(const std::string& dialogName) = 0;

  // Opens (or brings forward) the price-list editor window; false when no window can be shown.
  virtual bool ShowEditor() = 0;
  // Destroys the editor window when it exists.
  virtual void DestroyEditor() = 0;

  // The progress window: one at a time; Close on a closed window does nothing.
  virtual void ProgressOpen(const std::string& caption, int maximum) = 0;
  virtual void ProgressCaption(const std::string& caption) = 0;
  virtual void ProgressPosition(int position) = 0;
  virtual void ProgressClose() = 0;

  // Lets the toolkit handle pending window messages during long work.
  virtual void ProcessEvents() = 0;
};

// The services in force: ConsoleUi until another one is installed.
UiServices& Ui();
// Installs services (null restores ConsoleUi) and returns the previous ones.
std::unique_ptr<UiServices> InstallUi(std::unique_ptr<UiServices> services);

// The default buttons' answer of a message box: the button at defaultButton.
ModalResult DefaultAnswer(const MessageBoxRequest& request);

class ConsoleUi : public UiServices {
 public:
  ModalResult MessageBox(const MessageBoxRequest& request) override;
  void SetClipboardText(const std::string& text) override { clipboard_ = text; }
  std::string ClipboardText() override { return clipboard_; }
  bool ShellOpen(const std::string& target) override;
  bool OpenTextFile(const std::string& fileName) override;
  ModalResult ShowModal(const std::string& dialogName) override;
  bool ShowEditor() override;
  void DestroyEditor() override {}
  void ProgressOpen(const std::string& caption, int maximum) override;
  void ProgressCaption(const std::string& caption) override;
  void ProgressPosition(int position) override;
  void ProgressClose() override;
  void ProcessEvents() override {}

 private:
  void DrawProgress();
  std::string clipboard_;  // process-local: a console has no shared clipboard
  bool progress_open_ = false;
  std::string progress_caption_;
  int progress_max_ = 0;
  int progress_pos_ = 0;
};

// Records every request; answers come from scripted queues, else the default answer.
class RecordingUi : public UiServices {
 public:
  struct Event {
    std::string kind;  // "message", "shell", "textfile", "modal", "editor", "destroy-editor",
                       // "progress-open", "progress-caption", "progress-position", "progress-close"
    std::string text;  // the message text, target, dialog name or caption
    std::string caption;  // message-box caption
    int value = 0;        // progress maximum or position
  };

  ModalResult MessageBox(const MessageBoxRequest& request) override;
  void SetClipboardText(const std::string& text) override { clipboard_ = text; }
  std::string ClipboardText() override { return clipboard_; }
  bool ShellOpen(const std::string& target) override;
  bool OpenTextFile(const std::string& fileName) override;
  ModalResult ShowModal(const std::string& dialogName) override;
  bool ShowEditor() override;
  void DestroyEditor() override;
  void ProgressOpen(const std::string& caption, int maximum) override;
  void ProgressCaption(const std::string& caption) override;
  void ProgressPosition(int position) override;
  void ProgressClose() override;
  void ProcessEvents() override { ++processed_events_; }

  // Scripted answers, taken in order; when empty the default answer (message box) or Ok (dialog) is used.
  std::deque<ModalResult> messageAnswers;
  std::deque<ModalResult> modalAnswers;

  const std::vector<Event>& events() const { return events_; }
  // The texts of the message boxes shown, in order.
  std::vector<std::string> messages() const;
  void Clear() { events_.clear(); }
  int processedEvents() const { return processed_events_; }

 private:
  std::vector<Event> events_;
  std::string clipboard_;
  int processed_events_ = 0;
};

// Installs a RecordingUi for the lifetime of the guard and restores the previous services after it.
class ScopedRecordingUi {
 public:
  ScopedRecordingUi();
  ~ScopedRecordingUi();
  ScopedRecordingUi(const ScopedRecordingUi&) = delete;
  ScopedRecordingUi& operator=(const ScopedRecordingUi&) = delete;
  RecordingUi& ui() { return *ui_; }
  RecordingUi* operator->() { return ui_; }

 private:
  RecordingUi* ui_;                       // owned by the module while installed
  std::unique_ptr<UiServices> previous_;
};

}  // namespace rovan
