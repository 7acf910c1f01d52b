// The exit statuses of lwall, each named by what it tells. Several meanings
// share a value (the programs that call lwall know 1 as "no sheet"), so each
// meaning has its own name and the value is written once, here.
#ifndef LWALL_DRIVER_EXIT_STATUS_H_
#define LWALL_DRIVER_EXIT_STATUS_H_

namespace lwall {

inline constexpr int kExitOk = 0;             // the sheet was written; --check: no findings
inline constexpr int kExitDxfFailed = 1;      // Lwall.dxf could not be created or written
inline constexpr int kExitWallRefused = 1;    // wider or higher than the sheet has room for
inline constexpr int kExitFindings = 1;       // --check reported something
inline constexpr int kExitUntold = 1;         // a message or report could not be printed
inline constexpr int kExitScriptFailed = 2;   // tempoL.scr could not be created or written
inline constexpr int kExitDesignFailed = 3;   // tempoL.dat could not be opened or read
inline constexpr int kExitNoDirectory = 3;    // a DIR to run in cannot be run in
inline constexpr int kExitLayersFailed = 4;   // GasouL.dat could not be opened or read
inline constexpr int kExitPreviewFailed = 5;  // Lwall.svg could not be written
inline constexpr int kExitDataFailed = 6;     // Lwall-bars.csv or -materials.csv not written
inline constexpr int kExitUsage = 64;         // the command line is not understood

}  // namespace lwall

#endif  // LWALL_DRIVER_EXIT_STATUS_H_
