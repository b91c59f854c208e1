#pragma once
// The Statistics window's two charts, drawn with GDI into an area of a paint
// box (device pixels). The scale comes from core/records/ChartScale.h.
#include <windows.h>

#include <vector>

#include "core/records/Records.h"
#include "core/records/TurnPoints.h"

namespace vb {

inline constexpr const char* kNoGamesYet = "No games yet";
inline constexpr const char* kNoWordsPutYet = "No words put yet";

// The scores of the last games as bars, oldest at the left: games with hints
// hatched in another shade, numbered games marked with a dot above the bar.
void DrawLastGamesChart(HDC dc, const RECT& area, const std::vector<TRecentGame>& games);
// This game's points per turn as filled bars, the best possible points of each
// turn (where known) as a frame around them.
void DrawThisGameChart(HDC dc, const RECT& area, const std::vector<TTurnPoints>& turns);

}  // namespace vb
