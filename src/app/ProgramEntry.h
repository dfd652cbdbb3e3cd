#pragma once

// The program: makes its own folder the current directory, keeps a second
// copy from running when started from a disc's autoplay folder, builds the
// menu window and runs it until it is closed. A platform failure on the way
// is reported on standard output and in a message box.
int runProgram(int argc, char** argv);
