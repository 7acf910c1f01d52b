// The command line: `lwall [OPTION]... [DIR]...`.
//
// With no argument lwall does what it always did: one sheet from the files
// of the current directory. Everything else is additive: options that ask
// for more (a picture, a portable DXF form, the schedule as data, a check of
// the inputs) and directories to run in.
#ifndef LWALL_DRIVER_OPTIONS_H_
#define LWALL_DRIVER_OPTIONS_H_

#include <string>
#include <vector>

#include "common/catalog.h"

namespace lwall {

struct Options {
  bool help = false;
  bool version = false;
  bool portable_dxf = false;
  bool preview = false;
  bool schedule = false;
  bool check = false;
  std::vector<std::string> directories;  // none: the current directory
};

struct ParsedCommandLine {
  Options options;
  // Empty when the command line is understood; else the one-line reason.
  std::string error;
};

// Parses the arguments with getopt_long. Options and directories may come in
// any order; "--" ends the options. A refusal is told in the language of
// `texts`.
ParsedCommandLine ParseCommandLine(int argc, char* const argv[], const Catalog& texts);

// The text of --help, in the language of `texts`, and of --version (the
// same in every language), each ending with a line end.
std::string UsageText(const Catalog& texts);
std::string VersionText();
// The hint printed after a usage error.
std::string UsageHint(const Catalog& texts);

}  // namespace lwall

#endif  // LWALL_DRIVER_OPTIONS_H_
