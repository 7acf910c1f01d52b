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
std::string Refusal(int argc, char* const argv[], int index, int short_option,
                    const Catalog& texts) {
  const std::string arg = index > 0 && index <= argc ? argv[index - 1] : "";
  if (!arg.starts_with("--")) {
    const std::string option = "-" + std::string(1, static_cast<char>(short_option));
    return texts.Format("unknown option '%s'", {option});
  }
  const std::size_t equals = arg.find('=');
  if (arg.starts_with("--") && equals != std::string::npos) {
    const std::string name = arg.substr(2, equals - 2);
    for (const option& o : kLongOptions) {
      if (o.name != nullptr && name == o.name) {
        return texts.Format("option '%s' takes no argument", {"--" + name});
      }
    }
  }
  // An abbreviation that fits several options also ends up here.
  return texts.Format("unknown or ambiguous option '%s'", {arg.substr(0, equals)});
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, char* const argv[], const Catalog& texts) {
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
        parsed.error = Refusal(argc, argv, optind, optopt, texts);
        return parsed;
    }
  }
  for (int i = optind; i < argc; ++i) o.directories.emplace_back(argv[i]);
  // The check writes no file, so an option that shapes a written file would
  // be silently ignored: tell the user instead.
  if (o.check && (o.preview || o.portable_dxf || o.schedule)) {
    parsed.error = texts.Format("--check writes no file; it cannot go with %s",
                                {o.preview        ? "--preview"
                                 : o.portable_dxf ? "--portable-dxf"
                                                  : "--schedule"});
  }
  return parsed;
}

std::string UsageText(const Catalog& texts) {
  // In parts, as a translator takes them: a paragraph or a table each.
  std::string text(texts.Translate("Usage: lwall [OPTION]... [DIR]...\n"));
  text += texts.Translate("Draw the reinforcement sheet of an L-shaped retaining wall.\n");
  text += "\n";
  text += texts.Translate(
      "Reads tempoL.dat (the design data) and GasouL.dat (the layers) and writes\n"
      "Lwall.dxf (the sheet as a DXF drawing) and tempoL.scr (the same sheet as a\n"
      "CAD command script), in each DIR, or in the current directory when no DIR\n"
      "is given. With several DIRs every message starts with \"DIR: \".\n");
  text += "\n";
  text += texts.Translate(
      "Options:\n"
      "      --check         read the inputs and report what was made of them\n"
      "                      (one finding a line, FILE:LINE:COLUMN: first);\n"
      "                      writes no file, so it goes with no other option\n"
      "      --preview       also write Lwall.svg, a picture of the sheet that\n"
      "                      any web browser shows\n"
      "      --schedule      also write Lwall-bars.csv and Lwall-materials.csv,\n"
      "                      the bar schedule and the materials table as data\n"
      "                      for a spreadsheet (UTF-8 CSV)\n"
      "      --portable-dxf  write Lwall.dxf with a header naming its version,\n"
      "                      code page and extents, so that DXF viewers show the\n"
      "                      Japanese texts and open on the sheet\n"
      "  -h, --help          show this help and exit\n"
      "  -V, --version       show the version and exit\n");
  text += "\n";
  text += texts.Translate(
      "Exit status:\n"
      "  0   the sheet was written (--check: nothing to report)\n"
      "  1   Lwall.dxf could not be created or written, the wall is wider than\n"
      "      2500 or higher than 3000, (--check) something was reported, or a\n"
      "      message could not be printed\n"
      "  2   tempoL.scr could not be created or written\n"
      "  3   tempoL.dat could not be opened or read, or DIR cannot be run in\n"
      "  4   GasouL.dat could not be opened or read\n"
      "  5   Lwall.svg could not be written\n"
      "  6   Lwall-bars.csv or Lwall-materials.csv could not be written\n"
      "  64  the command line was not understood\n"
      "With several DIRs the status is that of the first run that failed.\n");
  return text;
}

std::string VersionText() {
  return "lwall " LWALL_VERSION "\n";
}

std::string UsageHint(const Catalog& texts) {
  return std::string(texts.Translate("Try 'lwall --help' for more information.\n"));
}

}  // namespace lwall
