#include "view/page_fit.hpp"

#include <algorithm>
#include <cmath>

namespace korval::view {

std::optional<Bounds> BoundsOf(const std::vector<Station>& stations) {
  if (stations.empty()) return std::nullopt;
  Bounds bounds{stations.front().x, stations.front().y, stations.front().x, stations.front().y};
  for (const Station& station : stations) {
    bounds.min_x = std::min(bounds.min_x, station.x);
    bounds.min_y = std::min(bounds.min_y, station.y);
    bounds.max_x = std::max(bounds.max_x, station.x);
    bounds.max_y = std::max(bounds.max_y, station.y);
  }
  return bounds;
}

PageFit PageFit::Fit(const Bounds& bounds) {
  const double extent_x = bounds.max_x - bounds.min_x;
  const double extent_y = bounds.max_y - bounds.min_y;
  PageFit fit;
  fit.page_ = extent_x >= extent_y ? kLandscapeA4 : kPortraitA4;
  const double area_width = fit.page_.width - kMarginLeft - kMarginRight;
  const double area_height = fit.page_.height - kMarginTop - kMarginBottom;
  // An axis along which the stations do not spread puts no limit on the scale.
  fit.scale_ = std::min(area_width, area_height) / kSmallestExtent;
  if (extent_x > 0.0) fit.scale_ = std::min(fit.scale_, area_width / extent_x);
  if (extent_y > 0.0) fit.scale_ = std::min(fit.scale_, area_height / extent_y);
  fit.grid_x0_ = (bounds.min_x + bounds.max_x) / 2.0;
  fit.grid_y0_ = (bounds.min_y + bounds.max_y) / 2.0;
  fit.page_x0_ = kMarginLeft + area_width / 2.0;
  fit.page_y0_ = kMarginTop + area_height / 2.0;
  return fit;
}

double ScaleBarLength(double longest) {
  double power = std::pow(10.0, std::floor(std::log10(longest)));
  // log10 of a length near a power of ten may fall to either side of it.
  if (10.0 * power <= longest) power *= 10.0;
  if (power > longest) power /= 10.0;
  for (const double step : {5.0, 2.0, 1.0}) {
    if (step * power <= longest) return step * power;
  }
  return power;
}

}  // namespace korval::view
