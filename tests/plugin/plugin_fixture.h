// A fresh plug-in for each test: the library state is set up as at load and torn down as at unload,
// and message boxes are recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include "platform/ui_services.h"
#include "plugin/library.h"

namespace rovan {

class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override { CaricaLibreria(); }
  void TearDown() override { ScaricaLibreria(); }

  // The interface handed out for a name (null when refused).
  template <typename T>
  T* Get(const char* name) {
    void* obj = reinterpret_cast<void*>(1);
    RovanGetInstanceByName(name, &obj);
    return static_cast<T*>(obj);
  }

  ScopedRecordingUi ui_;
};

}  // namespace rovan
