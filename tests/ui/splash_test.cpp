#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui_services.h"
#include "ui/Splash1.h"

namespace rovan {
namespace {

std::vector<std::string> Describe(const RecordingUi& ui) {
  std::vector<std::string> lines;
  for (const RecordingUi::Event& e : ui.events()) {
    lines.push_back(e.kind + (e.text.empty() ? "" : " " + e.text) +
                    (e.kind == "progress-open" || e.kind == "progress-position" ? " " + std::to_string(e.value) : ""));
  }
  return lines;
}

TEST(SplashTest, CaptionsCountPositionOverMaximum) {
  ScopedRecordingUi ui;
  ApriSplash(0, 10, "Importazione");
  StepSplash(2);
  PosizioneSplash(7);
  StepSplash(1);
  PosizioneSplash(25);  // the bar stops at its maximum
  ChiudiSplash();
  StepSplash(1);  // nothing open: nothing shown
  EXPECT_EQ(Describe(ui.ui()), (std::vector<std::string>{
                                   "progress-open Importazione 10",
                                   "progress-position 1",
                                   "progress-position 3",
                                   "progress-caption Importazione (3/10)",
                                   "progress-position 7",
                                   "progress-caption Importazione (7/10)",
                                   "progress-position 8",
                                   "progress-caption Importazione (8/10)",
                                   "progress-position 10",
                                   "progress-caption Importazione (10/10)",
                                   "progress-close",
                               }));
  EXPECT_EQ(ui->processedEvents(), 4);
}

TEST(SplashTest, OpeningAgainReplacesTheWindow) {
  ScopedRecordingUi ui;
  ApriSplash(0, 5, "Prima");
  StepSplash(1);
  ApriSplash(0, 3, "Seconda");
  StepSplash(1);
  ChiudiSplash();
  EXPECT_EQ(Describe(ui.ui()), (std::vector<std::string>{
                                   "progress-open Prima 5",
                                   "progress-position 1",
                                   "progress-position 2",
                                   "progress-caption Prima (2/5)",
                                   "progress-close",
                                   "progress-open Seconda 3",
                                   "progress-position 1",
                                   "progress-position 2",
                                   "progress-caption Seconda (2/3)",
                                   "progress-close",
                               }));
}

}  // namespace
}  // namespace rovan
