// The cells the simulator names on the shapes of the simulated page.
#pragma once

#include "model/CellAddressTable.h"

// Written "1" while a simulation runs, on every shape of the page: the protection cells
// (section 1, row 15, cells 0 to 14) and section 1, row 17, cell 2. Changed by the
// highlights, on places and transitions only: the line's colour and weight. The model
// saves both before the simulation, to be put back.
void addSimulatorCells(CellAddressTable& written, CellAddressTable& outlines);
// The two tables as the model takes them: the written cells first.
CellAddressTableMap simulatorTables(CellAddressTable* written, CellAddressTable* outlines);
