// lwall: draws the reinforcement sheet of an L-shaped retaining wall from
// "tempoL.dat" and "GasouL.dat" into "Lwall.dxf" and "tempoL.scr", in the
// current directory or in the directories named on the command line.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "driver/exit_status.h"
#include "driver/messages.h"
#include "driver/options.h"
#include "driver/sheet.h"
#include "driver/text_locale.h"
#include "platform/platform.h"

namespace {

// Why `path` cannot be run in, or "" when it can: "no such directory" and
// "not a directory" for what a mistyped DIR gives, the C library's own
// words for anything else (a path too long, a loop of links, no permission).
std::string NotADirectory(const std::string& path) {
  switch (lwall::platform::KindOf(path)) {
    case lwall::platform::PathKind::kDirectory:
      return "";
    case lwall::platform::PathKind::kOther:
      return "not a directory\n";
    case lwall::platform::PathKind::kNone:
      break;
  }
  if (errno == ENOENT || errno == ENOTDIR) return "no such directory\n";
  return std::string(std::strerror(errno)) + "\n";
}

int RunOne(const lwall::Options& options, const std::string& directory, const lwall::Catalog& texts,
           lwall::MessageOut& messages) {
  if (options.check) return lwall::CheckDirectory(directory, texts, messages);
  return lwall::RunInDirectory(directory, {options.portable_dxf, options.preview, options.schedule},
                               messages);
}

}  // namespace

int main(int argc, char* argv[]) {
  // The arguments in the form the platform opens files by, handed to the
  // parser as an argv of its own.
  std::vector<std::string> arguments = lwall::platform::Arguments(argc, argv);
  std::string name = argc > 0 ? argv[0] : "lwall";
  std::vector<char*> words{name.data()};
  for (std::string& argument : arguments) words.push_back(argument.data());
  words.push_back(nullptr);
  // The texts for people speak the user's language; the run's messages are
  // the same in every locale, for the programs that read them.
  const lwall::Catalog texts = lwall::ChooseCatalog(lwall::LocaleSourcesOfProcess());
  const lwall::ParsedCommandLine parsed =
      lwall::ParseCommandLine(static_cast<int>(words.size()) - 1, words.data(), texts);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "lwall: %s\n%s", parsed.error.c_str(), lwall::UsageHint(texts).c_str());
    return lwall::kExitUsage;
  }
  const lwall::Options& options = parsed.options;
  if (options.help || options.version) {
    const std::string text = options.help ? lwall::UsageText(texts) : lwall::VersionText();
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? lwall::kExitOk : lwall::kExitUntold;
  }

  lwall::MessageOut messages(stdout, lwall::platform::MessagesInUtf8(stdout));
  // A message (or a --check report) that could not be printed leaves the
  // user without what the run had to say: that is no success either.
  const auto told = [&](int status) {
    return status == lwall::kExitOk && !messages.ok() ? lwall::kExitUntold : status;
  };
  if (options.directories.empty()) return told(RunOne(options, "", texts, messages));

  int status = lwall::kExitOk;
  const bool several = options.directories.size() > 1;
  for (const std::string& directory : options.directories) {
    messages.set_prefix(several ? directory + ": " : "");
    int result;
    const std::string refusal = NotADirectory(directory);
    if (!refusal.empty()) {
      // Named with the directory even when it is the only one.
      messages.set_prefix(directory + ": ");
      messages.Print(refusal);
      result = lwall::kExitNoDirectory;
    } else {
      result = RunOne(options, directory, texts, messages);
    }
    if (status == lwall::kExitOk) status = result;
  }
  return told(status);
}
