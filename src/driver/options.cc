// Command-line parsing and the help text.
#include "driver/options.h"

#include <getopt.h>

#include <cstring>

namespace lwall {

namespace {

// Long options without a short form get values past the range of a char.
enum LongOnly { kPortableDxf = 256, kPreview, kSchedule, kCheck };

constexpr option kLongOptions[] = {
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {"portable-dxf", no_argument, nullptr, kPortableDxf},
    {"preview", no_argument, nullptr, kPreview},
    {"schedule", no_argument, nullptr, kSchedule},
    {"check", no_argument, nullptr, kCheck},
    {nullptr, 0, nullptr, 0},
};

// Why getopt_long refused the argument at `index`.
std::string Refusal(int argc, char* const argv[], int index, int short_option) {
  const std::string arg = index > 0 && index <= argc ? argv[index - 1] : "";
  if (!arg.starts_with("--")) {
    return "unknown option '-" + std::string(1, static_cast<char>(short_option)) + "'";
  }
  const std::size_t equals = arg.find('=');
  if (arg.starts_with("--") && equals != std::string::npos) {
    const std::string name = arg.substr(2, equals - 2);
    for (const option& o : kLongOptions) {
      if (o.name != nullptr && name == o.name) {
        return "option '--" + name + "' takes no argument";
      }
    }
  }
  // An abbreviation that fits several options also ends up here.
  return "unknown or ambiguous option '" + arg.substr(0, equals) + "'";
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, char* const argv[]) {
  ParsedCommandLine parsed;
  Options& o = parsed.options;
  // getopt_long keeps its place in globals of the C library; optind = 0
  // starts it afresh, so parsing twice in one process works.
  optind = 0;
  opterr = 0;
  int c;
  while ((c = getopt_long(argc, argv, "hV", kLongOptions, nullptr)) != -1) {
    switch (c) {
      case 'h':
        o.help = true;
        break;
      case 'V':
        o.version = true;
        break;
      case kPortableDxf:
        o.portable_dxf = true;
        break;
      case kPreview:
        o.preview = true;
        break;
      case kSchedule:
        o.schedule = true;
        break;
      case kCheck:
        o.check = true;
        break;
      default:
        parsed.error = Refusal(argc, argv, optind, optopt);
        return parsed;
    }
  }
  for (int i = optind; i < argc; ++i) o.directories.emplace_back(argv[i]);
  // The check writes no file, so an option that shapes a written file would
  // be silently ignored: tell the user instead.
  if (o.check && (o.preview || o.portable_dxf || o.schedule)) {
    parsed.error = std::string("--check writes no file; it cannot go with ") +
                   (o.preview        ? "--preview"
                    : o.portable_dxf ? "--portable-dxf"
                                     : "--schedule");
  }
  return parsed;
}

std::string UsageText() {
  return R"(Usage: lwall [OPTION]... [DIR]...
Draw the reinforcement sheet of an L-shaped retaining wall.

Reads tempoL.dat (the design data) and GasouL.dat (the layers) and writes
Lwall.dxf (the sheet as a DXF drawing) and tempoL.scr (the same sheet as a
CAD command script), in each DIR, or in the current directory when no DIR
is given. With several DIRs every message starts with "DIR: ".

Options:
      --check         read the inputs and report what was made of them
                      (one finding a line, FILE:LINE:COLUMN: first);
                      writes no file, so it goes with no other option
      --preview       also write Lwall.svg, a picture of the sheet that
                      any web browser shows
      --schedule      also write Lwall-bars.csv and Lwall-materials.csv,
                      the bar schedule and the materials table as data
                      for a spreadsheet (UTF-8 CSV)
      --portable-dxf  write Lwall.dxf with a header naming its version,
                      code page and extents, so that DXF viewers show the
                      Japanese texts and open on the sheet
  -h, --help          show this help and exit
  -V, --version       show the version and exit

Exit status:
  0   the sheet was written (--check: nothing to report)
  1   Lwall.dxf could not be created or written, the wall is wider than
      2500 or higher than 3000, (--check) something was reported, or a
      message could not be printed
  2   tempoL.scr could not be created or written
  3   tempoL.dat could not be opened or read, or DIR cannot be run in
  4   GasouL.dat could not be opened or read
  5   Lwall.svg could not be written
  6   Lwall-bars.csv or Lwall-materials.csv could not be written
  64  the command line was not understood
With several DIRs the status is that of the first run that failed.
)";
}

std::string VersionText() {
  return "lwall " LWALL_VERSION "\n";
}

std::string UsageHint() {
  return "Try 'lwall --help' for more information.\n";
}

}  // namespace lwall
