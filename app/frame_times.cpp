// The share of slow frames.
#include "app/frame_times.h"

#include <algorithm>

double cFrameTimes::PercentLongerThan(double limitMs) const {
  if (times_.empty()) return 0.0;
  const auto slow = std::count_if(times_.begin(), times_.end(), [limitMs](double t) { return t > limitMs; });
  return 100.0 * static_cast<double>(slow) / static_cast<double>(times_.size());
}
