// What the terminal's board support provides to the start-up routine.
#pragma once

// Brings the terminal up before the program runs: drivers, HAL, code page,
// clock, transcript and front end. Nonzero: the program does not run and the
// process ends with that status (after the terminal has said why).
int OEMInit(int argc, char** argv);
