#include "jet_writer.h"
// Placeholder until the writer lands.
