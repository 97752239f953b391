// The era picture: the installation's scene files, the warp tunnel's zoom,
// and the picture lit for the time of day and copied to the screen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "display/ViewFwd.h"

namespace orb {

inline constexpr int kSceneX = 160;
inline constexpr int kSceneY = 65;
inline constexpr int kSceneWidth = 512;
inline constexpr int kSceneHeight = 320;
inline constexpr int kWarpScene = 99;
// Bytes before the palette in the warp tunnel's palette file.
inline constexpr std::size_t kWarpPaletteHeader = 24;

// The path of a scene file: the install directory, "\DATA\", the scene in two
// digits and the extension (".map" or ".pal"). A number outside 0..99 gives
// its last two digits, so the name never holds anything but digits.
std::string SceneFilePath(const std::string& installDir, int scene, const char* extension);

// Reads the picture and the palette of m_scene: the picture into m_warpPixels
// for the warp tunnel, else into m_scenePixels, the palette into
// m_scenePalette (after the warp palette's header). When either file cannot
// be opened, read or is shorter than what is read, neither buffer changes and
// the result is false; each such file is reported through `host` once per run.
bool LoadSceneFiles(ViewState& s, ViewHost& host);

// For the warp tunnel only: m_scenePixels becomes m_warpPixels magnified by
// 1 / m_warpZoom about its centre. A zoom outside 0.5..1 is held to that
// range (NaN counts as 1), so no index leaves the picture. Other scenes are
// left alone.
void ZoomWarpScene(ViewState& s);

// Builds the colour table of m_sceneInfo from m_scenePalette and
// m_brightness (held to 0..256), then shows the picture (ShowScene). Without
// an m_sceneInfo block neither draws anything.
void BlitScene(ViewState& s, platform::Dc& dc);

// Copies m_scenePixels, upright, to (160, 65) through the colour table that
// m_sceneInfo holds now: the picture exactly as the last BlitScene drew it.
// When the same picture in the same colours already stands there, from the
// last copy to the same framebuffer with nothing drawn over it and no change
// to m_scenePixels since (ViewState::m_sceneShownOn), the copy would change
// nothing and is left out.
void ShowScene(ViewState& s, platform::Dc& dc);

}  // namespace orb
