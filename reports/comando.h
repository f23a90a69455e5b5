#pragma once
// Running the plotter and cleaning up the frame files.
//
// On Windows both go through the system directory's cmd.exe, as command
// lines: ".\gnuplot\gnuplot "<script>"" and "del .\temp\*.txt". Elsewhere no
// shell is used, so that no title can smuggle in a command: the plotter is
// started directly and fed the script on its standard input, and the frame
// files are removed natively.

#include <string>

// Runs one command line through cmd.exe /c and waits for it. Returns its
// exit code, or -1 when it cannot be started or waited for. Windows only.
int executa_comando(const std::string& linha);

// Runs the plotter on the script `script` (a path under the working
// directory) and waits for it; returns its exit code, which callers ignore.
// The plotter is ./gnuplot/gnuplot when present, else gnuplot on the PATH.
int executa_gnuplot(const std::string& script);

// Removes every .txt file from ./temp.
void apaga_quadros();
