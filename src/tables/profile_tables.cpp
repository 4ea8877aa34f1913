#include "profile_tables.h"

namespace tarvello {

ProfileTables::ProfileTables()
    : structures({"Branch ID", "Str #", "Str. Type", "Station", "Offset", "Offset Loc.",
                  "Top Elev.", "Bottom Elev.", "HGL Elev-Low", "HGL Elev-High", "VDOT Std.",
                  "Length", "Shaping"}),
      pipes({"Branch ID", "Pipe No", "NodeOut", "NodeIn", "Elev. Out", "Elev. In", "Shape",
             "Material", "Dia / Rise", "Span", "# Of Pipes", "Length", "Discharge", "Velocity",
             "slope %", "Flow Depth", "Manning", "Skew", "Height Of Cover"}),
      branches({"Branch ID", "Node Out", "Node In"}) {
  layoutTables();
  selectFirstRows();
}

void ProfileTables::layoutTables() {
  structures.writeHeaders();
  pipes.writeHeaders();
  branches.writeHeaders();
}

void ProfileTables::clearAndLayout() {
  structures.clear();
  pipes.clear();
  branches.clear();
  layoutTables();
}

void ProfileTables::selectFirstRows() {
  for (Table* t : {&structures, &pipes, &branches}) t->selectRow(1);
}

}  // namespace tarvello
