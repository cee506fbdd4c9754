// Calling an interface slot by its number, as a host written in C does: catches a slot declared out of
// place in the interface.
#pragma once

namespace rovan::test {

template <class R, class... Args>
R CallSlot(void* obj, int n, Args... args) {
  using Fn = R (*)(void*, Args...);
  return reinterpret_cast<Fn>((*static_cast<void***>(obj))[n])(obj, args...);
}

}  // namespace rovan::test
