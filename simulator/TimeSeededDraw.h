// The simulator's random choices: the C library's generator, seeded with the current
// time in whole seconds before every single draw. Draws within one second therefore
// repeat their value; the choices depend on the clock alone, which tests set through
// the system port.
#pragma once

// A number from 0 to RAND_MAX.
int timeSeededDraw();
