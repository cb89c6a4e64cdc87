// How a view runs a handler of its core window: through the program's
// guard, which shows a failure in the error box and then has every view
// follow the core. A view gets this and its own core window, nothing more.
#pragma once

#include <functional>

namespace vcq::ui {

using Guard = std::function<void(const std::function<void()>& handler)>;

}  // namespace vcq::ui
