// Obtaining the substitute host's interfaces by name, as the plug-in does, in tests of libmotore.
#pragma once

#include <gtest/gtest.h>

#include "host/motore/motore_host.h"

namespace kalvor::test {

// The interface handed out for name (one reference for the caller); a failed lookup fails the test.
template <class Itf>
Itf* Get(const char* name) {
  void* obj = nullptr;
  EXPECT_EQ(get_InstanceByName(name, &obj), 0) << name;
  return static_cast<Itf*>(obj);
}

}  // namespace kalvor::test
