// Images reach the screen the one way they do on every screen: selected into
// the memory context and copied whole from its origin.
#pragma once

namespace platform {
class Bitmap;
class Dc;
}  // namespace platform

namespace orb {

struct ViewState;

// Copies all of `image` to (x, y) of `dc` through m_memDC.
void DrawImage(ViewState& s, platform::Dc& dc, const platform::Bitmap& image, int x, int y);
// Copies the top-left `width` x `height` of `image` to (x, y).
void DrawImagePart(ViewState& s, platform::Dc& dc, const platform::Bitmap& image, int x, int y,
                   int width, int height);

}  // namespace orb
