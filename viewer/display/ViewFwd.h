// The names the view's drawing and input functions take, for headers that
// need no more than the names.
#pragma once

namespace platform {
class Dc;
}

namespace orb {
struct ViewState;
class ViewHost;
}  // namespace orb
