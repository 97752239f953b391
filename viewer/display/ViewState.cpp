#include "display/ViewState.h"

namespace orb {

void ViewState::ReleaseDrawingResources() {
    m_fontLarge.Reset();
    m_fontMedium.Reset();
    m_fontSmall.Reset();
    for (platform::Bitmap& b : m_bmpMonth) {
        b.Reset();
    }
    for (platform::Bitmap& b : m_bmpDigitLarge) {
        b.Reset();
    }
    for (platform::Bitmap& b : m_bmpDigitSmall) {
        b.Reset();
    }
    for (platform::Bitmap* b :
         {&m_bmp303, &m_bmp189, &m_bmp302, &m_bmp301, &m_bmp306, &m_bmp191, &m_bmp190, &m_bmp104,
          &m_bmp105, &m_bmp106, &m_bmp108, &m_bmp109, &m_bmp132}) {
        b->Reset();
    }
}

}  // namespace orb
