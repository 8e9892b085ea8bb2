// fresh_world SEED START_MS FRAMES SNAPSHOT_FILE: in the current folder, a process that has done
// nothing else starts the world of SEED with the time source at START_MS, plays FRAMES frames
// and writes the whole game's state to SNAPSHOT_FILE (standard output carries the game's own
// lines). The new-world test compares a world built in place against it.
#include <cstdlib>
#include <fstream>

#include "flat_window.h"
#include "fresh_world.h"
#include "world_snapshot.h"

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  const auto seed = static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10));
  const auto startMs = static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10));
  const int frames = std::atoi(argv[3]);
  cFlatWindow window;
  SetInputWindow(&window);
  OnMouseMove(fresh_world::kPointerX, fresh_world::kPointerY);
  SetManualTime(startMs);
  StartWorld(seed);
  fresh_world::PlayFrames(startMs, frames);
  std::ofstream(argv[4]) << world_snapshot::GameSnapshot();
  return 0;
}
