// Ending the program from inside any screen.
//
// Screens are nested modal loops; when the window is closed, or the program
// has nothing it can show, the loops are left by throwing ProgramEnd, which
// the main program catches to end the run with the given exit status.
#pragma once

struct ProgramEnd {
    int status;
};
