#include "display/DrawImage.h"

#include "display/ViewState.h"
#include "platform/Bitmap.h"
#include "platform/Dc.h"

namespace orb {

void DrawImage(ViewState& s, platform::Dc& dc, const platform::Bitmap& image, int x, int y) {
    DrawImagePart(s, dc, image, x, y, image.Width(), image.Height());
}

void DrawImagePart(ViewState& s, platform::Dc& dc, const platform::Bitmap& image, int x, int y,
                   int width, int height) {
    s.m_memDC->SelectBitmap(&image);
    dc.BitBlt(x, y, width, height, *s.m_memDC, 0, 0);
}

}  // namespace orb
