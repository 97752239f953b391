#include "display/DrawImage.h"

#include "display/ViewState.h"
#include "platform/Bitmap.h"
#include "platform/Dc.h"

namespace orb {

void DrawImage(ViewState& s, platform::Dc& dc, const platform::Bitmap& image, int x, int y) {
    s.m_memDC->SelectBitmap(&image);
    dc.BitBlt(x, y, image.Width(), image.Height(), *s.m_memDC, 0, 0);
}

}  // namespace orb
