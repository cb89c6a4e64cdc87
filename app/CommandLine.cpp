#include "app/CommandLine.h"

#include <algorithm>
#include <array>

namespace vcq {

const char* const kUsage =
    "usage: vcquick [FILE.ret]\n"
    "       vcquick --check FILE.dat...\n"
    "       vcquick --export BANK.dat [OUT.csv] [--force]\n"
    "       vcquick --import IN.csv OUT.dat [--force [--carry RECORD_OR_FOLDER...]]\n"
    "       vcquick --class [PLACE...] [--csv OUT.csv [--cp932]]\n"
    "       vcquick --help | --version\n";

const char* const kHelpText =
    "VCQuick: a keyboard-driven drill of English words and phrases.\n"
    "\n"
    "  FILE.ret         open this study record once the program has started\n"
    "  --check FILE...  check question banks and print each problem; no window\n"
    "  --export BANK [OUT.csv] [--force]\n"
    "                   write a bank as CSV for a spreadsheet (to stdout without OUT);\n"
    "                   an existing OUT is replaced only with --force\n"
    "  --import IN.csv OUT.dat [--force]\n"
    "                   make a bank from CSV or tab-separated text, checked as --check\n"
    "                   checks; an existing OUT is replaced only with --force\n"
    "    --carry RECORD_OR_FOLDER...\n"
    "                   move the progress of the records on OUT (those beside it and\n"
    "                   those given) to their questions' new places\n"
    "  --class [PLACE...]\n"
    "                   show a class's study records (each PLACE a folder of *.ret\n"
    "                   files or a record; without one, a folder is asked for), read only\n"
    "    --csv OUT.csv  write the class table as CSV instead, without a window\n"
    "    --cp932        in Shift-JIS (CP932) rather than UTF-8\n"
    "  --help           print this help and exit\n"
    "  --version        print the version and exit\n"
    "\n"
    "Keys: F1 quit, F2 open a record, F3 new record, F4 range, F5 drill,\n"
    "F6 options, F7 score table, F8 class, F9 help. See vcquick(1).\n";

namespace {

constexpr int kAny = -1;

struct CommandSpec {
  std::string_view name;   // "" for the windows
  std::string_view alias;  // a short form, or ""
  Command command;
  int minFiles;
  int maxFiles;                           // kAny: no limit
  std::string_view operands;              // how the usage names the files
  std::array<std::string_view, 2> flags;  // its own flags; "" for none
};

constexpr CommandSpec kRun{"", "", Command::Run, 0, 1, "FILE.ret", {}};
const std::array kCommands{
    CommandSpec{"--help", "-h", Command::Help, 0, 0, "", {}},
    CommandSpec{"--version", "-V", Command::Version, 0, 0, "", {}},
    CommandSpec{"--check", "", Command::Check, 1, kAny, "FILE.dat...", {}},
    CommandSpec{"--export", "", Command::Export, 1, 2, "BANK.dat [OUT.csv]", {"--force"}},
    CommandSpec{"--import", "", Command::Import, 2, kAny, "IN.csv OUT.dat", {"--force", "--carry"}},
    CommandSpec{"--class", "", Command::Class, 0, kAny, "PLACE...", {"--csv", "--cp932"}},
};

// Flags followed by a file of their own.
constexpr std::array<std::string_view, 1> kValueFlags{"--csv"};

// Qt's own options (QGuiApplication, QApplication), which it also takes
// with two dashes. A session manager restarts the program with -session.
struct ToolkitOption {
  std::string_view name;
  bool takesValue;
};
constexpr std::array kToolkitOptions{
    ToolkitOption{"-platform", true},
    ToolkitOption{"-platformpluginpath", true},
    ToolkitOption{"-platformtheme", true},
    ToolkitOption{"-plugin", true},
    ToolkitOption{"-display", true},
    ToolkitOption{"-session", true},
    ToolkitOption{"-style", true},
    ToolkitOption{"-stylesheet", true},
    ToolkitOption{"-qwindowgeometry", true},
    ToolkitOption{"-geometry", true},
    ToolkitOption{"-qwindowtitle", true},
    ToolkitOption{"-title", true},
    ToolkitOption{"-qwindowicon", true},
    ToolkitOption{"-icon", true},
    ToolkitOption{"-name", true},
    ToolkitOption{"-reverse", false},
    ToolkitOption{"-sync", false},
    ToolkitOption{"-nograb", false},
    ToolkitOption{"-dograb", false},
    ToolkitOption{"-widgetcount", false},
};

const CommandSpec* FindCommand(std::string_view arg) {
  for (const CommandSpec& c : kCommands)
    if (arg == c.name || (!c.alias.empty() && arg == c.alias)) return &c;
  return nullptr;
}

const ToolkitOption* FindToolkitOption(std::string_view arg) {
  if (arg.starts_with("--")) arg.remove_prefix(1);
  for (const ToolkitOption& t : kToolkitOptions)
    if (arg == t.name) return &t;
  return nullptr;
}

bool IsFlagOf(const CommandSpec& c, std::string_view arg) {
  return !arg.empty() && std::find(c.flags.begin(), c.flags.end(), arg) != c.flags.end();
}

bool IsFlagOfAny(std::string_view arg) {
  return std::any_of(kCommands.begin(), kCommands.end(),
                     [&](const CommandSpec& c) { return IsFlagOf(c, arg); });
}

std::string Quoted(std::string_view s) {
  return "'" + std::string(s) + "'";
}

void CheckFileCount(const CommandSpec& c, int n) {
  if (c.command == Command::Run) {
    if (n > c.maxFiles) throw UsageError("only one record can be opened at a time");
    return;
  }
  if (n < c.minFiles) throw UsageError(std::string(c.name) + " needs " + std::string(c.operands));
  if (c.maxFiles != kAny && n > c.maxFiles) {
    if (c.maxFiles == 0) throw UsageError(std::string(c.name) + " takes no file");
    throw UsageError(std::string(c.name) + " takes only " + std::string(c.operands));
  }
}

}  // namespace

bool CommandLine::Has(std::string_view flag) const {
  return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine out;
  const CommandSpec* chosen = &kRun;
  bool onlyFiles = false;  // after "--", a name that starts with '-' is a file
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (onlyFiles || a.size() < 2 || a[0] != '-') {
      out.files.push_back(a);
    } else if (a == "--") {
      onlyFiles = true;
    } else if (const CommandSpec* c = FindCommand(a)) {
      if (chosen != &kRun && chosen != c)
        throw UsageError(Quoted(chosen->name) + " and " + Quoted(c->name) +
                         " cannot be given together");
      chosen = c;
    } else if (const ToolkitOption* t = FindToolkitOption(a)) {
      out.toolkit.push_back(a);
      if (t->takesValue) {
        if (i + 1 == args.size()) throw UsageError(Quoted(a) + " needs a value");
        out.toolkit.push_back(args[++i]);
      }
      const std::string_view name = a.starts_with("--") ? std::string_view(a).substr(1) : a;
      out.toolkitPlatform = out.toolkitPlatform || name == "-platform";
      out.toolkitDisplay = out.toolkitDisplay || name == "-display";
    } else if (IsFlagOfAny(a)) {
      out.flags.push_back(a);
      if (std::find(kValueFlags.begin(), kValueFlags.end(), a) != kValueFlags.end()) {
        if (i + 1 == args.size()) throw UsageError(Quoted(a) + " needs a file");
        out.csvOut = args[++i];
      }
    } else {
      throw UsageError("unknown option " + Quoted(a));
    }
  }
  for (const std::string& f : out.flags)
    if (!IsFlagOf(*chosen, f)) throw UsageError(Quoted(f) + " belongs to another command");
  CheckFileCount(*chosen, static_cast<int>(out.files.size()));
  // Records to carry follow --carry, which replaces a bank: it needs --force.
  if (chosen->command == Command::Import) {
    if (out.files.size() > 2 && !out.Has("--carry"))
      throw UsageError("--import takes only IN.csv OUT.dat (records to carry follow --carry)");
    if (out.Has("--carry") && !out.Has("--force"))
      throw UsageError("--carry replaces OUT.dat: it needs --force");
  }
  // Without a place the window asks for a folder; a file has no one to ask.
  if (out.Has("--cp932") && !out.Has("--csv")) throw UsageError("--cp932 needs --csv OUT.csv");
  if (out.Has("--csv") && out.files.empty()) throw UsageError("--class --csv needs PLACE...");
  out.command = chosen->command;
  return out;
}

bool NeedsDesktop(Command c) {
  return c == Command::Run || c == Command::Class;
}

bool NeedsDesktop(const CommandLine& cl) {
  return NeedsDesktop(cl.command) && !(cl.command == Command::Class && cl.Has("--csv"));
}

}  // namespace vcq
