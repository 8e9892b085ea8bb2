// The one species table of the process, filled by the configuration reader.
#include "world/species.h"

std::vector<cSpeciesRecord> gSpeciesTable;
