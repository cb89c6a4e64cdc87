#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <string>

namespace vcq {

namespace {

// Each text of the command line in both its languages (platform/Said.h).
constexpr Said kUsageText{
    "usage: vcquick [FILE.ret]\n"
    "       vcquick --check FILE.dat...\n"
    "       vcquick --export BANK.dat [OUT.csv] [--force]\n"
    "       vcquick --import IN.csv OUT.dat [--force [--carry RECORD_OR_FOLDER...]]\n"
    "       vcquick --class [PLACE...] [--csv OUT.csv [--cp932]]\n"
    "       vcquick --help | --version\n",
    "使い方: vcquick [成績.ret]\n"
    "        vcquick --check 問題.dat...\n"
    "        vcquick --export 問題.dat [表.csv] [--force]\n"
    "        vcquick --import 表.csv 問題.dat [--force [--carry 成績かフォルダ...]]\n"
    "        vcquick --class [場所...] [--csv 表.csv [--cp932]]\n"
    "        vcquick --help | --version\n"};

constexpr Said kHelp{
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
    "F6 options, F7 score table, F8 class, F9 help. See vcquick(1).\n",
    "VCQuick: キーボードで英語の単語と熟語を覚える練習プログラムです。\n"
    "\n"
    "  成績.ret         起動したあと、この成績ファイルを開きます\n"
    "  --check 問題...  問題ファイルを点検し、見つかった箇所を表示します (画面は開きません)\n"
    "  --export 問題 [表.csv] [--force]\n"
    "                   問題ファイルを表計算ソフト用の CSV にします (表.csv を省くと標準出力へ)。\n"
    "                   すでにある表.csv は --force のときだけ置き換えます\n"
    "  --import 表.csv 問題.dat [--force]\n"
    "                   CSV かタブ区切りのテキストから問題ファイルを作り、--check と同じく\n"
    "                   点検します。すでにある問題.dat は --force のときだけ置き換えます\n"
    "    --carry 成績かフォルダ...\n"
    "                   その問題ファイルを使う成績 (同じフォルダのものと、書いたもの) の\n"
    "                   進み具合を、問題の新しい場所に移します\n"
    "  --class [場所...] [--csv 表.csv [--cp932]]\n"
    "                   クラスの成績ファイル (フォルダの *.ret) を読むだけで一覧にします。\n"
    "                   --csv のときは画面を開かずに表を書き出します\n"
    "  --help           この説明を表示して終わります\n"
    "  --version        版を表示して終わります\n"
    "\n"
    "キー: F1 終了、F2 成績を開く、F3 新しい成績、F4 範囲、F5 問題へ、\n"
    "F6 設定、F7 成績表、F8 クラス、F9 ヘルプ。詳しくは vcquick(1)。\n"};

constexpr Said kOneRecord{"only one record can be opened at a time",
                          "成績は一度に一つしか開けません"};
constexpr Said kNeedsFiles{"{} needs {}", "{} には {} が必要です"};
constexpr Said kNoFile{"{} takes no file", "{} にはファイルを指定できません"};
constexpr Said kOnlyFiles{"{} takes only {}", "{} に指定できるのは {} だけです"};
constexpr Said kTogether{"'{}' and '{}' cannot be given together",
                         "'{}' と '{}' は一緒に指定できません"};
constexpr Said kNeedsValue{"'{}' needs a value", "'{}' には値が必要です"};
constexpr Said kUnknown{"unknown option '{}'", "'{}' というオプションはありません"};
constexpr Said kOtherCommand{"'{}' belongs to another command",
                             "'{}' はほかのコマンドのオプションです"};
constexpr Said kImportFiles{
    "--import takes only IN.csv OUT.dat (records to carry follow --carry)",
    "--import に指定できるのは 表.csv 問題.dat だけです (移す成績は --carry の後に書きます)"};
constexpr Said kNeedsAFile{"'{}' needs a file", "'{}' にはファイルが必要です"};
constexpr Said kCp932NeedsCsv{"--cp932 needs --csv OUT.csv",
                              "--cp932 には --csv 表.csv が必要です"};
constexpr Said kCsvNeedsPlace{"--class --csv needs PLACE...",
                              "--class --csv には 場所... が必要です"};
constexpr Said kCarryForce{"--carry replaces OUT.dat: it needs --force",
                           "--carry は 問題.dat を置き換えるので --force が必要です"};

}  // namespace

Lang LangOfLocale(std::string_view messagesLocale) {
  return messagesLocale.starts_with("ja") ? Lang::Ja : Lang::En;
}

std::string_view Usage(Lang lang) {
  return lang == Lang::Ja ? kUsageText.ja : kUsageText.en;
}

std::string_view HelpText(Lang lang) {
  return lang == Lang::Ja ? kHelp.ja : kHelp.en;
}

namespace {

constexpr int kAny = -1;

struct CommandSpec {
  std::string_view name;   // "" for the windows
  std::string_view alias;  // a short form, or ""
  Command command;
  int minFiles;
  int maxFiles;                           // kAny: no limit
  Said operands;                          // how the usage names the files
  std::array<std::string_view, 2> flags;  // its own flags; "" for none
};

constexpr CommandSpec kRun{"", "", Command::Run, 0, 1, {"FILE.ret", "成績.ret"}, {}};
const std::array kCommands{
    CommandSpec{"--help", "-h", Command::Help, 0, 0, {}, {}},
    CommandSpec{"--version", "-V", Command::Version, 0, 0, {}, {}},
    CommandSpec{"--check", "", Command::Check, 1, kAny, {"FILE.dat...", "問題.dat..."}, {}},
    CommandSpec{"--export",
                "",
                Command::Export,
                1,
                2,
                {"BANK.dat [OUT.csv]", "問題.dat [表.csv]"},
                {"--force"}},
    CommandSpec{"--import",
                "",
                Command::Import,
                2,
                kAny,
                {"IN.csv OUT.dat", "表.csv 問題.dat"},
                {"--force", "--carry"}},
    CommandSpec{
        "--class", "", Command::Class, 0, kAny, {"PLACE...", "場所..."}, {"--csv", "--cp932"}},
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

void CheckFileCount(const CommandSpec& c, int n, Lang lang) {
  if (c.command == Command::Run) {
    if (n > c.maxFiles) throw UsageError(Say(kOneRecord, lang));
    return;
  }
  const std::string_view operands = lang == Lang::Ja ? c.operands.ja : c.operands.en;
  if (n < c.minFiles) throw UsageError(Say(kNeedsFiles, lang, {c.name, operands}));
  if (c.maxFiles != kAny && n > c.maxFiles) {
    if (c.maxFiles == 0) throw UsageError(Say(kNoFile, lang, {c.name}));
    throw UsageError(Say(kOnlyFiles, lang, {c.name, operands}));
  }
}

}  // namespace

bool CommandLine::Has(std::string_view flag) const {
  return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

CommandLine ParseCommandLine(const std::vector<std::string>& args, Lang lang) {
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
        throw UsageError(Say(kTogether, lang, {chosen->name, c->name}));
      chosen = c;
    } else if (const ToolkitOption* t = FindToolkitOption(a)) {
      out.toolkit.push_back(a);
      if (t->takesValue) {
        if (i + 1 == args.size()) throw UsageError(Say(kNeedsValue, lang, {a}));
        out.toolkit.push_back(args[++i]);
      }
      const std::string_view name = a.starts_with("--") ? std::string_view(a).substr(1) : a;
      out.toolkitPlatform = out.toolkitPlatform || name == "-platform";
      out.toolkitDisplay = out.toolkitDisplay || name == "-display";
    } else if (IsFlagOfAny(a)) {
      out.flags.push_back(a);
      if (std::find(kValueFlags.begin(), kValueFlags.end(), a) != kValueFlags.end()) {
        if (i + 1 == args.size()) throw UsageError(Say(kNeedsAFile, lang, {a}));
        out.csvOut = args[++i];
      }
    } else {
      throw UsageError(Say(kUnknown, lang, {a}));
    }
  }
  for (const std::string& f : out.flags)
    if (!IsFlagOf(*chosen, f)) throw UsageError(Say(kOtherCommand, lang, {f}));
  CheckFileCount(*chosen, static_cast<int>(out.files.size()), lang);
  // Records to carry follow --carry, which replaces a bank: it needs --force.
  if (chosen->command == Command::Import) {
    if (out.files.size() > 2 && !out.Has("--carry")) throw UsageError(Say(kImportFiles, lang));
    if (out.Has("--carry") && !out.Has("--force")) throw UsageError(Say(kCarryForce, lang));
  }
  // Without a place the window asks for a folder; a file has no one to ask.
  if (out.Has("--cp932") && !out.Has("--csv")) throw UsageError(Say(kCp932NeedsCsv, lang));
  if (out.Has("--csv") && out.files.empty()) throw UsageError(Say(kCsvNeedsPlace, lang));
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
