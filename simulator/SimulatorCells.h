// The cells the simulator names on every shape of the simulated page.
#pragma once

class CellAddressTable;

// Written "1" while a simulation runs: the protection cells (section 1, row 15, cells 0
// to 14) and section 1, row 17, cell 2. Saved before the simulation, to be put back:
// those cells and the line's colour and weight, which the highlights change.
void addSimulatorCells(CellAddressTable& written, CellAddressTable& saved);
