#include "app/StatisticsCharts.h"

#include <algorithm>
#include <string>

#include "core/records/ChartScale.h"
#include "ui/Dpi.h"
#include "ui/Gdi.h"

namespace vb {

namespace {

const COLORREF kPlainBar = RGB(54, 96, 168);
const COLORREF kHintBar = RGB(214, 128, 36);
const COLORREF kPointsBar = RGB(72, 146, 72);
const COLORREF kBestFrame = RGB(150, 30, 30);
const COLORREF kGrid = RGB(200, 200, 200);
const COLORREF kMarker = RGB(0, 0, 0);

int TextWidth(HDC dc, const std::string& text) {
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

int LineHeight(HDC dc) {
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  return metrics.tmHeight;
}

void DrawTextAt(HDC dc, const std::string& text, RECT rect, UINT format) {
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_SINGLELINE | DT_NOPREFIX);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  ui::BrushHandle brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &rect, brush.get());
}

void Frame(HDC dc, const RECT& rect, COLORREF colour, int width) {
  ui::PenHandle pen(::CreatePen(PS_SOLID, width, colour));
  ui::SelectedObject selectedPen(dc, pen.get());
  ui::SelectedObject hollow(dc, ::GetStockObject(NULL_BRUSH));
  ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void Hatched(HDC dc, const RECT& rect, COLORREF colour) {
  FillSolid(dc, rect, RGB(255, 255, 255));
  ui::BrushHandle brush(::CreateHatchBrush(HS_BDIAGONAL, colour));
  ::SetBkMode(dc, TRANSPARENT);
  ::FillRect(dc, &rect, brush.get());
  Frame(dc, rect, colour, 1);
}

void Dot(HDC dc, int x, int y, int radius, COLORREF colour) {
  ui::BrushHandle brush(::CreateSolidBrush(colour));
  ui::SelectedObject selectedBrush(dc, brush.get());
  ui::SelectedObject noPen(dc, ::GetStockObject(NULL_PEN));
  ::Ellipse(dc, x - radius, y - radius, x + radius + 1, y + radius + 1);
}

// The message of an empty chart, centred in its area.
void DrawEmpty(HDC dc, const RECT& area, const char* message) {
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
  DrawTextAt(dc, message, area, DT_CENTER | DT_VCENTER);
}

// One item of a legend: a sample drawn by `sample` and its text; moves `x` on.
template <class Sample>
void LegendItem(HDC dc, int& x, int top, int lineHeight, const std::string& text, Sample sample) {
  const int box = lineHeight - ui::Scale(4);
  const RECT sampleRect{x, top + ui::Scale(2), x + box, top + ui::Scale(2) + box};
  sample(sampleRect);
  x += box + ui::Scale(4);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
  DrawTextAt(dc, text, {x, top, x + TextWidth(dc, text) + 1, top + lineHeight}, DT_LEFT | DT_TOP);
  x += TextWidth(dc, text) + ui::Scale(12);
}

// The plot: a white area with the value axis and grid lines, left of it the
// tick values; a line at the bottom is left for the legend. The plot's rectangle.
TChartRect DrawPlot(HDC dc, const RECT& area, const TChartAxis& axis) {
  const int lineHeight = LineHeight(dc);
  const std::vector<std::int64_t> ticks = AxisTicks(axis);
  int labelWidth = 0;
  for (std::int64_t tick : ticks) labelWidth = std::max(labelWidth, TextWidth(dc, std::to_string(tick)));
  TChartRect plot;
  plot.Left = area.left + labelWidth + ui::Scale(6);
  plot.Top = area.top + lineHeight / 2 + ui::Scale(2);
  plot.Width = std::max<int>(area.right - ui::Scale(4) - plot.Left, 1);
  plot.Height = std::max<int>(area.bottom - lineHeight - ui::Scale(6) - plot.Top, 1);

  FillSolid(dc, {plot.Left, plot.Top, plot.Left + plot.Width, plot.Bottom()}, ::GetSysColor(COLOR_WINDOW));
  ui::PenHandle grid(::CreatePen(PS_SOLID, 1, kGrid));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
  for (std::int64_t tick : ticks) {
    const int y = ValueY(plot, axis, tick);
    if (tick > 0) {
      ui::SelectedObject selectedPen(dc, grid.get());
      ::MoveToEx(dc, plot.Left, y, nullptr);
      ::LineTo(dc, plot.Left + plot.Width, y);
    }
    DrawTextAt(dc, std::to_string(tick), {area.left, y - lineHeight / 2, plot.Left - ui::Scale(4), y + lineHeight},
               DT_RIGHT | DT_TOP);
  }
  Frame(dc, {plot.Left - 1, plot.Top - 1, plot.Left + plot.Width + 1, plot.Bottom() + 1}, ::GetSysColor(COLOR_BTNSHADOW),
        1);
  return plot;
}

RECT BarRect(const TChartRect& plot, const TChartAxis& axis, std::size_t index, std::size_t slots,
             std::int64_t value) {
  const TBarSpan span = BarSpan(plot, index, slots);
  return {span.Left, ValueY(plot, axis, value), span.Left + span.Width, plot.Bottom()};
}

}  // namespace

void DrawLastGamesChart(HDC dc, const RECT& area, const std::vector<TRecentGame>& games) {
  if (games.empty()) return DrawEmpty(dc, area, kNoGamesYet);
  std::int64_t largest = 0;
  for (const TRecentGame& game : games) largest = std::max<std::int64_t>(largest, game.Score);
  const TChartAxis axis = NiceAxis(largest, 4);
  const TChartRect plot = DrawPlot(dc, area, axis);
  const std::size_t slots = ChartSlots(games.size());
  bool anyNumbered = false;
  bool anyHints = false;
  bool anyPlain = false;
  for (std::size_t i = 0; i < games.size(); ++i) {
    const TRecentGame& game = games[i];
    RECT bar = BarRect(plot, axis, i, slots, game.Score);
    // A game of 0 points still shows as a sliver on the axis.
    if (bar.bottom - bar.top < 2) bar.top = bar.bottom - 2;
    if (game.HintsUsed) {
      Hatched(dc, bar, kHintBar);
      anyHints = true;
    } else {
      FillSolid(dc, bar, kPlainBar);
      anyPlain = true;
    }
    if (game.GameNumber) {
      const int radius = std::max(ui::Scale(2), 1);
      const TBarSpan span = BarSpan(plot, i, slots);
      Dot(dc, span.Centre(), std::max<int>(bar.top - radius - ui::Scale(2), plot.Top + radius), radius, kMarker);
      anyNumbered = true;
    }
  }
  const int lineHeight = LineHeight(dc);
  // The legend starts at the area's edge: three items need the whole width.
  int x = area.left + ui::Scale(4);
  const int top = area.bottom - lineHeight - ui::Scale(2);
  if (anyPlain) LegendItem(dc, x, top, lineHeight, "No hints", [&](const RECT& r) { FillSolid(dc, r, kPlainBar); });
  if (anyHints) LegendItem(dc, x, top, lineHeight, "With hints", [&](const RECT& r) { Hatched(dc, r, kHintBar); });
  if (anyNumbered)
    LegendItem(dc, x, top, lineHeight, "Numbered", [&](const RECT& r) {
      Dot(dc, (r.left + r.right) / 2, (r.top + r.bottom) / 2, std::max(ui::Scale(2), 1), kMarker);
    });
}

void DrawThisGameChart(HDC dc, const RECT& area, const std::vector<TTurnPoints>& turns) {
  if (turns.empty()) return DrawEmpty(dc, area, kNoWordsPutYet);
  std::int64_t largest = 0;
  bool anyBest = false;
  for (const TTurnPoints& turn : turns) {
    largest = std::max<std::int64_t>(largest, turn.Points);
    if (turn.Best) {
      largest = std::max<std::int64_t>(largest, *turn.Best);
      anyBest = true;
    }
  }
  const TChartAxis axis = NiceAxis(largest, 4);
  const TChartRect plot = DrawPlot(dc, area, axis);
  const std::size_t slots = ChartSlots(turns.size());
  const int frameWidth = std::max(ui::Scale(1), 1);
  for (std::size_t i = 0; i < turns.size(); ++i) {
    FillSolid(dc, BarRect(plot, axis, i, slots, turns[i].Points), kPointsBar);
  }
  // The frames go over the bars, so a turn that reached the best shows both.
  for (std::size_t i = 0; i < turns.size(); ++i) {
    if (!turns[i].Best) continue;
    RECT frame = BarRect(plot, axis, i, slots, *turns[i].Best);
    if (frame.bottom - frame.top < 2) frame.top = frame.bottom - 2;
    frame.bottom += 1;  // the frame's bottom line lies on the axis
    Frame(dc, frame, kBestFrame, frameWidth);
  }
  const int lineHeight = LineHeight(dc);
  int x = plot.Left;
  const int top = area.bottom - lineHeight - ui::Scale(2);
  LegendItem(dc, x, top, lineHeight, "Points", [&](const RECT& r) { FillSolid(dc, r, kPointsBar); });
  if (anyBest)
    LegendItem(dc, x, top, lineHeight, "Best possible",
               [&](const RECT& r) { Frame(dc, r, kBestFrame, frameWidth); });
}

}  // namespace vb
