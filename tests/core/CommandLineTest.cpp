#include <gtest/gtest.h>

#include <algorithm>

#include "app/CommandLine.h"
#include "app/DesktopSession.h"
#include "app/HighContrastChoice.h"

namespace vcq {
namespace {

std::string UsageErrorOf(const std::vector<std::string>& args, Lang lang = Lang::En) {
  try {
    ParseCommandLine(args, lang);
  } catch (const UsageError& e) {
    return e.what();
  }
  return "(accepted)";
}

// Given the arguments as typed, the parser picks the command and its files,
// and passes the toolkit's own options on with their values.
TEST(CommandLineParse, PicksTheCommandAndPassesToolkitOptionsOn) {
  CommandLine run = ParseCommandLine({"rec.ret"});
  EXPECT_EQ(run.command, Command::Run);
  EXPECT_EQ(run.files, std::vector<std::string>{"rec.ret"});
  EXPECT_TRUE(NeedsDesktop(run.command));

  EXPECT_EQ(ParseCommandLine({}).command, Command::Run);
  EXPECT_EQ(ParseCommandLine({"-h"}).command, Command::Help);
  EXPECT_EQ(ParseCommandLine({"--version"}).command, Command::Version);
  const CommandLine check = ParseCommandLine({"--check", "a.dat", "b.dat"});
  EXPECT_EQ(check.command, Command::Check);
  EXPECT_EQ(check.files, (std::vector<std::string>{"a.dat", "b.dat"}));
  EXPECT_FALSE(NeedsDesktop(check.command));

  // A session manager restarting the program; "--" before a name with a dash.
  const CommandLine qt =
      ParseCommandLine({"-session", "1abc", "--platform", "xcb", "-reverse", "--", "-odd.ret"});
  EXPECT_EQ(qt.toolkit,
            (std::vector<std::string>{"-session", "1abc", "--platform", "xcb", "-reverse"}));
  EXPECT_TRUE(qt.toolkitPlatform);
  EXPECT_FALSE(qt.toolkitDisplay);
  EXPECT_EQ(qt.files, std::vector<std::string>{"-odd.ret"});
}

// What is not understood is one line for the usage to follow.
TEST(CommandLineParse, RefusesWhatItDoesNotUnderstand) {
  EXPECT_EQ(UsageErrorOf({"--bogus"}), "unknown option '--bogus'");
  EXPECT_EQ(UsageErrorOf({"a.ret", "b.ret"}), "only one record can be opened at a time");
  EXPECT_EQ(UsageErrorOf({"--check"}), "--check needs FILE.dat...");
  EXPECT_EQ(UsageErrorOf({"--help", "x"}), "--help takes no file");
  EXPECT_EQ(UsageErrorOf({"--help", "--check", "a.dat"}),
            "'--help' and '--check' cannot be given together");
  EXPECT_EQ(UsageErrorOf({"-platform"}), "'-platform' needs a value");
}

// A class: its places wherever they stand, the CSV's file after --csv; a
// window without --csv, none with it.
TEST(CommandLineParse, ClassTakesPlacesAndTheCsvFileAfterItsFlag) {
  const CommandLine cl = ParseCommandLine({"--csv", "out.csv", "--class", "a", "b", "--cp932"});
  EXPECT_EQ(cl.command, Command::Class);
  EXPECT_EQ(cl.files, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(cl.csvOut, "out.csv");
  EXPECT_TRUE(cl.Has("--cp932"));
  EXPECT_FALSE(NeedsDesktop(cl));
  EXPECT_TRUE(NeedsDesktop(ParseCommandLine({"--class", "a"})));
  EXPECT_TRUE(NeedsDesktop(ParseCommandLine({"--class"})));
  EXPECT_EQ(UsageErrorOf({"--class", "a", "--csv"}), "'--csv' needs a file");
  EXPECT_EQ(UsageErrorOf({"--class", "--csv", "o.csv"}), "--class --csv needs PLACE...");
  EXPECT_EQ(UsageErrorOf({"--class", "a", "--cp932"}), "--cp932 needs --csv OUT.csv");
  EXPECT_EQ(UsageErrorOf({"--check", "a.dat", "--csv", "o.csv"}),
            "'--csv' belongs to another command");
}

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return (c & 0x80) == 0; });
}

// Under a Japanese locale every usage error, the usage and the help are
// Japanese; under any other they are English, with no Japanese word in them.
TEST(CommandLineParse, SpeaksOneLanguagePerLocale) {
  EXPECT_EQ(LangOfLocale("ja_JP.UTF-8"), Lang::Ja);
  EXPECT_EQ(LangOfLocale("C.UTF-8"), Lang::En);
  EXPECT_EQ(UsageErrorOf({"--bogus"}, Lang::Ja), "'--bogus' というオプションはありません");
  EXPECT_EQ(UsageErrorOf({"--check"}, Lang::Ja), "--check には 問題.dat... が必要です");
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--bogus"},
                                              {"a.ret", "b.ret"},
                                              {"--check"},
                                              {"--help", "x"},
                                              {"--export", "a", "b", "c"},
                                              {"--help", "--check", "a.dat"},
                                              {"-platform"},
                                              {"--check", "a.dat", "--force"},
                                              {"--import", "a", "b", "c"},
                                              {"--import", "a", "b", "--carry"}}) {
    const std::string en = UsageErrorOf(bad), ja = UsageErrorOf(bad, Lang::Ja);
    EXPECT_TRUE(IsAscii(en)) << en;
    EXPECT_FALSE(IsAscii(ja)) << ja;
  }
  EXPECT_TRUE(IsAscii(Usage(Lang::En)) && IsAscii(HelpText(Lang::En)));
  EXPECT_TRUE(Usage(Lang::Ja).starts_with("使い方: vcquick"));
  EXPECT_NE(HelpText(Lang::Ja).find("この説明を表示"), std::string_view::npos);
}

SessionEnv Env(std::string type, std::string wayland, std::string display, std::string qpa = "") {
  return {std::move(type), std::move(wayland), std::move(display), std::move(qpa)};
}

// On a Wayland session with Xwayland the windows go to X11, where they can
// be placed, with Wayland next should DISPLAY name no running X server; the
// learner's own choice and sessions without X stay as they are.
TEST(DesktopSession, ChoosesX11OnWaylandWhenAnXServerIsThere) {
  EXPECT_EQ(ChosenPlatform(Env("wayland", "wayland-0", ":0"), false), "xcb;wayland");
  EXPECT_EQ(ChosenPlatform(Env("", "wayland-1", ":1"), false), "xcb;wayland");
  EXPECT_EQ(ChosenPlatform(Env("wayland", "", ":0"), false), "xcb;wayland");
  EXPECT_EQ(ChosenPlatform(Env("wayland", "wayland-0", ""), false), "");
  EXPECT_EQ(ChosenPlatform(Env("x11", "", ":0"), false), "");
  EXPECT_EQ(ChosenPlatform(Env("wayland", "wayland-0", ":0", "wayland"), false), "");
  EXPECT_EQ(ChosenPlatform(Env("wayland", "wayland-0", ":0"), true), "");

  EXPECT_FALSE(HasDesktop(Env("tty", "", ""), false));
  EXPECT_TRUE(HasDesktop(Env("tty", "", ""), true));
  EXPECT_TRUE(HasDesktop(Env("", "", "", "offscreen"), false));
  EXPECT_TRUE(HasDesktop(Env("", "wayland-0", ""), false));
  EXPECT_EQ(NoDesktopMessage("C"),
            "vcquick: VCQuick needs a desktop session (no display could be reached)");
  EXPECT_EQ(NoDesktopMessage("ja_JP.UTF-8").substr(0, 17), "vcquick: VCQuick ");
}

// Given the learner's setting (on, off, silent) and the desktop's wish from
// the portal or the GTK theme, the learner's word wins and the desktop's
// counts only where the learner said nothing; the environment forces it on.
TEST(DesktopSession, HighContrastFollowsTheDesktopUnlessTheLearnerSaidOtherwise) {
  EXPECT_EQ(DesktopContrastOf(1u, ""), DesktopContrast::High);
  EXPECT_EQ(DesktopContrastOf(0u, "Adwaita"), DesktopContrast::Normal);
  EXPECT_EQ(DesktopContrastOf(std::nullopt, "HighContrastInverse:dark"), DesktopContrast::High);
  EXPECT_EQ(DesktopContrastOf(0u, "HighContrast"), DesktopContrast::High);
  EXPECT_EQ(DesktopContrastOf(std::nullopt, "Adwaita:HighContrast"), DesktopContrast::Unknown);
  EXPECT_EQ(DesktopContrastOf(2u, ""), DesktopContrast::Normal);

  for (DesktopContrast d :
       {DesktopContrast::Unknown, DesktopContrast::Normal, DesktopContrast::High}) {
    EXPECT_TRUE(UseHighContrast(true, d, false));
    EXPECT_FALSE(UseHighContrast(false, d, false));
    EXPECT_TRUE(UseHighContrast(false, d, true));
    EXPECT_EQ(UseHighContrast(std::nullopt, d, false), d == DesktopContrast::High);
  }
}

}  // namespace
}  // namespace vcq
