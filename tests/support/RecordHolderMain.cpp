// A second VCQuick for the tests of one program per record: a whole program
// on the fake ports in a process of its own, driven through its stdin.
//
//   record_holder RECORD   opens RECORD with F2 and prints "open", or
//                          "refused: " and the error box's text
//   then, one per line:    "learn" (question 0 mastered, five answers more;
//                          prints "learnt"), "save" (F2, its dialog cancelled;
//                          prints "saved" or the error box's text), "quit"
//                          (F1; prints "closed" or "stayed"). It ends at
//                          "quit" or at the end of stdin.
#include <filesystem>
#include <iostream>
#include <string>

#include "platform/VirtualKeys.h"
#include "tests/support/TestProgram.h"

int main(int argc, char** argv) {
  using namespace vcq;
  if (argc != 2) {
    std::cerr << "usage: record_holder RECORD\n";
    return 2;
  }
  const std::string record = argv[1];
  test::TestProgram t(std::filesystem::path(record).parent_path().string());
  t.StartUp();
  t.dialogs.files.push_back(record);
  t.Key(vk::kF2);
  if (!t.dialogs.errors.empty())
    std::cout << "refused: " << t.dialogs.errors.back() << std::endl;
  else
    std::cout << (t.app.rec.RecOpen == 1 ? "open" : "not open") << std::endl;
  for (std::string line; std::getline(std::cin, line);) {
    if (line == "learn") {
      t.app.rec.OkLevel[0] = 2;
      t.app.rec.AnsCount[0] += 5;
      std::cout << "learnt" << std::endl;
    } else if (line == "save") {
      const std::size_t errors = t.dialogs.errors.size();
      t.Key(vk::kF2);
      std::cout << (t.dialogs.errors.size() == errors ? "saved" : t.dialogs.errors.back())
                << std::endl;
    } else if (line == "quit") {
      t.Key(vk::kF1);
      std::cout << (t.app.frmMain.Closed ? "closed" : "stayed") << std::endl;
      break;
    }
  }
  return 0;
}
