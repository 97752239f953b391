// The time display: the one view of the viewer. It keeps its state in the
// record it is given and asks its host window for paints, timers and sound.
#pragma once

#include "display/TravelTimer.h"
#include "display/ViewHost.h"
#include "display/ViewState.h"

namespace platform {
class Clock;
class Dc;
}  // namespace platform

namespace orb {

class COrbView {
  public:
    // Fills `state`: install directory from `installPathField`, the databank,
    // bitmaps, fonts and the present moment. Throws platform::FileException
    // when the databank cannot be read; the view then does not exist.
    COrbView(ViewState& state, ViewHost& host, const platform::Clock& clock,
             volatile char* installPathField);
    ~COrbView();
    COrbView(const COrbView&) = delete;
    COrbView& operator=(const COrbView&) = delete;

    // The databank's path as the view forms it.
    static std::string EventsPath(const std::string& installDir);

    void OnDraw(platform::Dc& dc);
    void OnTimer(int timerId);

  private:
    void LoadBitmaps();
    void CreateFonts();
    void TravelTick();
    void DrawStaticFrame(platform::Dc& dc);

    ViewState& m_state;
    ViewHost& m_host;
    const platform::Clock& m_clock;
};

}  // namespace orb
