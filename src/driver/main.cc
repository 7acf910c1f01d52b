// lwall: draws the reinforcement sheet of an L-shaped retaining wall from
// "tempoL.dat" and "GasouL.dat" in the current directory into "Lwall.dxf"
// and "tempoL.scr". It takes no arguments.
#include <cstdio>

#include "driver/sheet.h"

int main() {
  return lwall::RunInCurrentDirectory(stdout);
}
