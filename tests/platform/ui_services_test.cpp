#include "platform/ui_services.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <iostream>
#include <string>

#include "tests/platform/scoped_env.h"
#include "tests/platform/temp_folder.h"

namespace rovan {
namespace {

using enum ModalResult;

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// Points stderr at another file for a scope.
class StderrTo {
 public:
  explicit StderrTo(int fd) : saved_(dup(STDERR_FILENO)) { dup2(fd, STDERR_FILENO); }
  ~StderrTo() { dup2(saved_.get(), STDERR_FILENO); }
  StderrTo(const StderrTo&) = delete;
  StderrTo& operator=(const StderrTo&) = delete;

 private:
  Fd saved_;
};

// What action writes to stderr when stderr is a plain file.
std::string StderrOf(const std::function<void()>& action) {
  test::TempFolder folder;
  const std::string file = folder.File("stderr.txt");
  {
    const Fd fd(open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600));
    const StderrTo redirect(fd.get());
    action();
  }
  return test::ReadFile(file);
}

TEST(UiServicesTest, DefaultAnswerIsTheDefaultButton) {
  struct Case {
    MsgButtons buttons;
    int defaultButton;
    ModalResult answer;
  };
  const Case cases[] = {
      {MsgButtons::Ok, 0, Ok},           {MsgButtons::Ok, 1, Ok},
      {MsgButtons::OkCancel, 0, Ok},     {MsgButtons::OkCancel, 1, Cancel},
      {MsgButtons::OkCancel, 2, Ok},     {MsgButtons::YesNo, 1, No},
      {MsgButtons::YesNo, -1, Yes},      {MsgButtons::YesNoCancel, 0, Yes},
      {MsgButtons::YesNoCancel, 1, No},  {MsgButtons::YesNoCancel, 2, Cancel},
      {MsgButtons::YesNoCancel, 3, Yes},
  };
  for (const Case& c : cases) {
    MessageBoxRequest request;
    request.buttons = c.buttons;
    request.defaultButton = c.defaultButton;
    EXPECT_EQ(DefaultAnswer(request), c.answer)
        << static_cast<int>(c.buttons) << " default " << c.defaultButton;
  }
}

TEST(UiServicesTest, ConsoleUiIsInForceUntilOtherServicesAreInstalled) {
  UiServices* console = &Ui();
  ASSERT_NE(dynamic_cast<ConsoleUi*>(console), nullptr);

  auto recording = std::make_unique<RecordingUi>();
  RecordingUi* installed = recording.get();
  std::unique_ptr<UiServices> previous = InstallUi(std::move(recording));
  EXPECT_EQ(previous.get(), console);
  EXPECT_EQ(&Ui(), installed);

  std::unique_ptr<UiServices> removed = InstallUi(nullptr);  // null restores a ConsoleUi
  EXPECT_EQ(removed.get(), installed);
  EXPECT_NE(dynamic_cast<ConsoleUi*>(&Ui()), nullptr);

  InstallUi(std::move(previous));
  EXPECT_EQ(&Ui(), console);
}

TEST(UiServicesTest, ScopedRecordingUiRestoresThePreviousServices) {
  UiServices* before = &Ui();
  {
    ScopedRecordingUi recording;
    EXPECT_EQ(&Ui(), &recording.ui());
    Ui().ShellOpen("https://example.org");
    EXPECT_EQ(recording->events().size(), 1u);
  }
  EXPECT_EQ(&Ui(), before);
}

TEST(UiServicesTest, RecordingUiRecordsRequestsAndAnswersFromItsScripts) {
  RecordingUi ui;
  ui.messageAnswers = {No};
  ui.modalAnswers = {Cancel};
  const MessageBoxRequest question{"Save?", "Editor", MsgButtons::YesNoCancel, MsgIcon::Question, 2};
  EXPECT_EQ(ui.MessageBox(question), No);      // scripted
  EXPECT_EQ(ui.MessageBox(question), Cancel);  // script used up: the default button
  EXPECT_EQ(ui.ShowModal("Options"), Cancel);
  EXPECT_EQ(ui.ShowModal("Options"), Ok);
  EXPECT_TRUE(ui.ShellOpen("https://example.org"));
  EXPECT_TRUE(ui.OpenTextFile("/tmp/log.txt"));
  EXPECT_TRUE(ui.ShowEditor());
  ui.DestroyEditor();
  ui.ProgressOpen("Loading", 10);
  ui.ProgressCaption("Saving");
  ui.ProgressPosition(4);
  ui.ProgressClose();
  ui.ProcessEvents();
  ui.SetClipboardText("copied");

  struct Expected {
    std::string kind, text, caption;
    int value;
  };
  const Expected expected[] = {
      {"message", "Save?", "Editor", 0}, {"message", "Save?", "Editor", 0},
      {"modal", "Options", "", 0},       {"modal", "Options", "", 0},
      {"shell", "https://example.org", "", 0}, {"textfile", "/tmp/log.txt", "", 0},
      {"editor", "", "", 0},             {"destroy-editor", "", "", 0},
      {"progress-open", "Loading", "", 10}, {"progress-caption", "Saving", "", 0},
      {"progress-position", "", "", 4},  {"progress-close", "", "", 0},
  };
  ASSERT_EQ(ui.events().size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    const RecordingUi::Event& event = ui.events()[i];
    EXPECT_EQ(event.kind, expected[i].kind) << i;
    EXPECT_EQ(event.text, expected[i].text) << i;
    EXPECT_EQ(event.caption, expected[i].caption) << i;
    EXPECT_EQ(event.value, expected[i].value) << i;
  }
  EXPECT_EQ(ui.messages(), (std::vector<std::string>{"Save?", "Save?"}));
  EXPECT_EQ(ui.processedEvents(), 1);
  EXPECT_EQ(ui.ClipboardText(), "copied");
  ui.Clear();
  EXPECT_TRUE(ui.events().empty());
}

TEST(ConsoleUiTest, MessageBoxPrintsCaptionAndTextAndAnswersTheDefault) {
  ConsoleUi ui;
  ModalResult answer = None;
  const std::string printed = StderrOf([&] {
    answer = ui.MessageBox({"Delete 3 items?", "Catalogue", MsgButtons::OkCancel, MsgIcon::Warning, 1});
  });
  EXPECT_EQ(answer, Cancel);
  EXPECT_EQ(printed, "Catalogue: Delete 3 items?\n");
}

TEST(ConsoleUiTest, DialogsAndEditorAreNotShownInConsoleMode) {
  ConsoleUi ui;
  ModalResult modal = None;
  bool editor = true;
  const std::string printed = StderrOf([&] {
    modal = ui.ShowModal("Options");
    editor = ui.ShowEditor();
  });
  EXPECT_EQ(modal, Ok);
  EXPECT_FALSE(editor);
  EXPECT_NE(printed.find("Options"), std::string::npos) << printed;
  EXPECT_NE(printed.find("editor window is not available in console mode"), std::string::npos) << printed;
}

TEST(ConsoleUiTest, ShellOpenFailsWithoutAnExecutableXdgOpen) {
  test::TempFolder folder;
  test::WriteFile(folder.File("xdg-open"), "#!/bin/sh\n");  // present but not executable
  const std::string path = "/no/such/folder::" + folder.path();
  const test::ScopedEnv env("PATH", path.c_str());
  ConsoleUi ui;
  EXPECT_FALSE(ui.ShellOpen("https://example.org"));
  EXPECT_FALSE(ui.OpenTextFile("/tmp/log.txt"));
}

void RunProgress(ConsoleUi& ui) {
  ui.ProgressOpen("Loading", 10);
  ui.ProgressPosition(5);
  ui.ProgressCaption("Saving");
  ui.ProgressPosition(10);
  ui.ProgressClose();
  ui.ProgressClose();        // closing a closed window does nothing
  ui.ProgressPosition(3);    // nor does moving it
}

TEST(ConsoleUiTest, ProgressIsSilentWhenStderrIsNotATerminal) {
  ConsoleUi ui;
  EXPECT_EQ(StderrOf([&] { RunProgress(ui); }), "");
}

TEST(ConsoleUiTest, ProgressDrawsOneLineBarOnATerminal) {
  const Fd master(posix_openpt(O_RDWR | O_NOCTTY));
  if (master.get() < 0 || grantpt(master.get()) != 0 || unlockpt(master.get()) != 0) {
    GTEST_SKIP() << "no pseudo-terminal available";
  }
  std::string printed;
  {
    const Fd terminal(open(ptsname(master.get()), O_RDWR | O_NOCTTY));
    ASSERT_GE(terminal.get(), 0);
    termios raw{};
    ASSERT_EQ(tcgetattr(terminal.get(), &raw), 0);
    cfmakeraw(&raw);  // no "\n" -> "\r\n" translation
    ASSERT_EQ(tcsetattr(terminal.get(), TCSANOW, &raw), 0);
    {
      const StderrTo redirect(terminal.get());
      ConsoleUi ui;
      RunProgress(ui);
    }
    // Everything written is already in the terminal; read it without waiting for more.
    fcntl(master.get(), F_SETFL, O_NONBLOCK);
    char buffer[512];
    for (ssize_t n; (n = read(master.get(), buffer, sizeof buffer)) > 0;) printed.append(buffer, n);
  }
  const std::string empty(30, ' '), half = std::string(15, '#') + std::string(15, ' '), full(30, '#');
  EXPECT_EQ(printed, "\rLoading [" + empty + "] 0/10" +
                         "\rLoading [" + half + "] 5/10" +
                         "\rSaving [" + half + "] 5/10" +
                         "\rSaving [" + full + "] 10/10" + "\n");
}

}  // namespace
}  // namespace rovan
