// Functions of a library loaded with dlopen, looked up into typed pointers.
// The sound and voice libraries are loaded on first use, not linked, so that
// start-up does not map them.
#pragma once

#include <dlfcn.h>

namespace vcq::ui {

// Sets `fn` to the function `name` of `lib`; false when the library has none.
template <typename F>
bool Resolve(void* lib, const char* name, F& fn) {
  fn = reinterpret_cast<F>(dlsym(lib, name));
  return fn != nullptr;
}

}  // namespace vcq::ui
