// How long each of the timedemo's frames took, and what share of them could not keep up with
// game time: the game ticks at most once a frame, 20 ms of game time a tick, so a frame that
// takes longer than 20 ms leaves the world running slow.
#pragma once

#include <vector>

class cFrameTimes {
 public:
  void Add(double milliseconds) { times_.push_back(milliseconds); }
  // Percent of the frames that took longer than `limitMs`; 0 when there were none.
  double PercentLongerThan(double limitMs) const;

 private:
  std::vector<double> times_;
};
