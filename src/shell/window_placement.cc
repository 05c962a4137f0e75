#include "shell/window_placement.h"

#include <algorithm>
#include <cstdint>

namespace brilox {
namespace {

std::int64_t OverlapArea(const Rect& a, const Rect& b) {
  const std::int64_t left = std::max<std::int64_t>(a.left, b.left);
  const std::int64_t top = std::max<std::int64_t>(a.top, b.top);
  const std::int64_t right =
      std::min<std::int64_t>(std::int64_t{a.left} + a.width, std::int64_t{b.left} + b.width);
  const std::int64_t bottom =
      std::min<std::int64_t>(std::int64_t{a.top} + a.height, std::int64_t{b.top} + b.height);
  if (right <= left || bottom <= top) return 0;
  return (right - left) * (bottom - top);
}

// Keeps [start, start + length) inside [low, high); when it does not fit,
// its start sits at `low` (the title bar and the menu stay reachable).
int KeepInside(std::int64_t start, std::int64_t length, std::int64_t low, std::int64_t high) {
  return static_cast<int>(std::max(low, std::min(start, high - length)));
}

}  // namespace

Rect FitIntoScreens(Rect stored, const std::vector<Rect>& areas, const FrameMargins& frame,
                    int fallback_width, int fallback_height) {
  if (stored.width <= 0 || stored.height <= 0) {
    stored.width = fallback_width;
    stored.height = fallback_height;
  }
  if (areas.empty()) return stored;

  const Rect* best = &areas.front();
  std::int64_t best_overlap = 0;
  for (const Rect& area : areas) {
    const std::int64_t overlap = OverlapArea(stored, area);
    if (overlap > best_overlap) {
      best = &area;
      best_overlap = overlap;
    }
  }
  const Rect& area = *best;
  const int frame_width = frame.left + frame.right;
  const int frame_height = frame.top + frame.bottom;
  Rect placed = stored;
  placed.width = std::max(1, std::min(stored.width, area.width - frame_width));
  placed.height = std::max(1, std::min(stored.height, area.height - frame_height));
  placed.left = KeepInside(std::int64_t{stored.left} - frame.left, placed.width + frame_width, area.left,
                           std::int64_t{area.left} + area.width) +
                frame.left;
  placed.top = KeepInside(std::int64_t{stored.top} - frame.top, placed.height + frame_height, area.top,
                          std::int64_t{area.top} + area.height) +
               frame.top;
  return placed;
}

}  // namespace brilox
