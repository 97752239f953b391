// The time display: the one view of the viewer. It keeps its state in the
// record it is given and asks its host window for paints, timers and sound.
#pragma once

#include "display/DatabankCheck.h"
#include "display/Keys.h"
#include "display/TravelTimer.h"
#include "display/ViewHost.h"
#include "display/ViewSources.h"
#include "display/ViewState.h"

namespace platform {
class Dc;
}  // namespace platform

namespace orb {

// What came of opening a databank of one's own.
struct DatabankOpening {
    bool opened = false;
    std::string unreadable;  // why the file could not be read, when it could not
    std::vector<DatabankProblem> problems;
};

class COrbView {
  public:
    // Fills `state`: install directory from `installPathField`, the databank,
    // bitmaps and fonts from `sources`, and the present moment. Throws
    // platform::FileException when the databank cannot be read; the view then
    // does not exist. The sources must outlive the view.
    COrbView(ViewState& state, ViewHost& host, const ViewSources& sources,
             volatile char* installPathField);
    ~COrbView();
    COrbView(const COrbView&) = delete;
    COrbView& operator=(const COrbView&) = delete;

    // The databank's path as the view forms it.
    static std::string EventsPath(const std::string& installDir);

    void OnDraw(platform::Dc& dc);
    void OnTimer(int timerId);
    // Client coordinates of the pointer.
    void OnLButtonDown(int x, int y);
    void OnMouseMove(int x, int y);
    // These ask for the whole screen again, as after the window was disturbed.
    void OnRButtonDown();
    void OnSize();
    void OnMove();
    void OnShowWindow();
    void OnSetFocus();
    // Asks for the whole screen at the next paint, without causing one.
    void OnKillFocus();
    // Typed characters mean nothing to the view.
    void OnChar() {}
    // A key of the main window (see Keys.h); false when it means nothing on
    // the screen that shows.
    bool OnKey(ViewKey key);
    // Back to the real clock's moment, travel stopped, on the travel screen.
    void OnReturnToPresent();

    // A databank of one's own at `path`, checked first: when nothing refuses
    // it, it is browsed instead of the current one, from the top of the list.
    // No file is ever written.
    DatabankOpening OpenDatabank(const std::string& path);
    // Back to the installed databank. Throws platform::FileException when it
    // cannot be read, leaving the current one.
    void UseInstalledDatabank();

  private:
    void ReadInstalledDatabank();
    void DatabankChanged();
    void LoadBitmaps();
    void CreateFonts();
    void RepaintAll();

    ViewState& m_state;
    ViewHost& m_host;
    ViewSources m_sources;
};

}  // namespace orb
