// The file dialogs of the record commands. Files unpacked from a Windows zip
// keep CP932 bytes as names, which the toolkit's dialog cannot show: in each
// folder the dialog shows, the learner is offered once in a run to give those
// banks, records and folders their UTF-8 names. Nothing is renamed without a
// Yes, and nothing in use.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Ports.h"

namespace vcq {

class Program;

// The file picked, or nothing. `inUse` are files that must keep their names
// besides the open record and its bank.
std::optional<std::string> PickFile(Program& app, FileDialogRequest request,
                                    std::vector<std::string> inUse = {});

// The offer itself, for the folder `folder`. Never throws: it runs inside the
// dialog; a failure is shown in the error box.
void OfferUtf8Names(Program& app, const std::string& folder, const std::vector<std::string>& inUse);

}  // namespace vcq
