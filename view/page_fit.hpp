// Fitting the network onto a sheet of paper, north up. Page lengths are
// millimetres; the picture prints at its true scale on an A4 sheet.
#pragma once

#include <optional>
#include <vector>

#include "view/network.hpp"

namespace korval::view {

struct Page {
  double width = 0.0;   // mm
  double height = 0.0;  // mm
};

inline constexpr Page kLandscapeA4{297.0, 210.0};
inline constexpr Page kPortraitA4{210.0, 297.0};

// Room around the drawing: the title above, the station names to the right of
// their markers, the scale bar and the north arrow below (mm).
inline constexpr double kMarginLeft = 15.0;
inline constexpr double kMarginRight = 25.0;
inline constexpr double kMarginTop = 22.0;
inline constexpr double kMarginBottom = 34.0;

// A network smaller than this (grid unit) in both directions is drawn as if it
// were this large, so that a single station still gets a finite scale.
inline constexpr double kSmallestExtent = 1.0;

// The grid area that the stations cover.
struct Bounds {
  double min_x = 0.0;
  double min_y = 0.0;
  double max_x = 0.0;
  double max_y = 0.0;
};

// Nothing for a network without stations.
std::optional<Bounds> BoundsOf(const std::vector<Station>& stations);

class PageFit {
 public:
  // Landscape for a network at least as wide as it is tall, else portrait; the
  // largest scale at which the bounds fit inside the margins, centred there.
  static PageFit Fit(const Bounds& bounds);

  const Page& page() const { return page_; }
  // Paper millimetres per grid unit.
  double scale() const { return scale_; }
  // Page position of a grid position; page y grows downwards, so north is up.
  double PageX(double grid_x) const { return page_x0_ + (grid_x - grid_x0_) * scale_; }
  double PageY(double grid_y) const { return page_y0_ - (grid_y - grid_y0_) * scale_; }

 private:
  Page page_;
  double scale_ = 1.0;
  double grid_x0_ = 0.0;  // grid centre of the bounds
  double grid_y0_ = 0.0;
  double page_x0_ = 0.0;  // page centre of the drawing area
  double page_y0_ = 0.0;
};

// The length of a scale bar: the largest 1, 2 or 5 times a power of ten that
// is not longer than `longest` (grid unit, > 0).
double ScaleBarLength(double longest);

}  // namespace korval::view
