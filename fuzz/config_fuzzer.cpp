// libFuzzer entry: reads any text as ZOMA.ini, as the game reads its file, lists it as
// zoma-config does, and populates the world from it on the game's terrain for seed 1.
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/config.h"
#include "app/world_setup.h"
#include "game/game_clock.h"
#include "game/random.h"
#include "platform/ini_file.h"
#include "world/world.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Mend lines and setup notes would drown libFuzzer's own report.
  if (!std::freopen("/dev/null", "w", stdout)) return 1;
  StartGameClock();
  SeedRandom(1);
  GenerateTerrain();  // once: the terrain does not depend on the file
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ResetWorld();
  SeedRandom(1);  // the same input must build the same world
  ApplyConfiguration(cIniFile::FromText(text));
  DescribeConfiguration();
  PlaceWorldObjects(*gWorld);
  return 0;
}
