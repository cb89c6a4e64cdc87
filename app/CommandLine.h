// The command line, read before any window system is touched: which command
// runs, its files, and the toolkit's own options, which are passed on. A
// command is a row of one table (CommandLine.cpp); adding one is adding a row
// and a case where the program runs it.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Said.h"

namespace vcq {

enum class Command {
  Run,      // the program's windows, with at most one record to open
  Help,     // --help
  Version,  // --version
  Check,    // --check FILE.dat...
  Export,   // --export BANK.dat [OUT.csv] [--force]
  Import,   // --import IN.csv OUT.dat [--force]
  Class,    // --class PLACE... [--csv OUT.csv [--cp932]]
};

struct CommandLine {
  Command command = Command::Run;
  std::vector<std::string> files;    // the record to open, or the command's files
  std::vector<std::string> flags;    // the command's own flags that were given
  std::string csvOut;                // the file after --csv
  std::vector<std::string> toolkit;  // the toolkit's options with their values, in order
  bool toolkitPlatform = false;      // -platform was given: the learner chose
  bool toolkitDisplay = false;       // -display was given

  bool Has(std::string_view flag) const;
};

// What was not understood; the message is one line, without the usage.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The language the command line speaks: Japanese under a Japanese locale
// (`messagesLocale` as setlocale names LC_MESSAGES), English under any other.
Lang LangOfLocale(std::string_view messagesLocale);

// `args` without the program's name. Throws UsageError, in `lang`.
CommandLine ParseCommandLine(const std::vector<std::string>& args, Lang lang = Lang::En);

// Whether the command opens windows; the others never need a display.
bool NeedsDesktop(Command c);
// The same for a whole command line: --class with --csv opens none.
bool NeedsDesktop(const CommandLine& cl);

// The synopsis, printed after a UsageError and at the head of --help.
std::string_view Usage(Lang lang);
// The rest of --help.
std::string_view HelpText(Lang lang);

}  // namespace vcq
