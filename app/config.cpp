// Placeholder until the configuration reader lands.
#include "app/config.h"

#include "world/species.h"

cGameConfig gConfig;
std::vector<cSpeciesRecord> gSpeciesTable;

void ReadConfiguration() {
  cSpeciesRecord species;
  species.color = cVector(1, 1, 1);
  species.proportion_sum = 10;
  gSpeciesTable.push_back(species);
}

cVector ParseTriple(const std::string&) { return cVector(0, 0, 0); }
