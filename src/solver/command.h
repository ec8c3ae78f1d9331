#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace solver {

// What the command runs on: the terminal it draws progress on, if any, and
// the threads a range uses unless told otherwise.
struct CommandSetting {
    bool terminal = false;
    unsigned cores = 1;
};

// kelmora-solve [-j N] N | A-B | --all, --help, --version. Writes the line or
// the verdicts to `out`, progress (only on a terminal) and any error to
// `err`. Returns the exit status: 0; 1 when the output cannot be written; 2
// for arguments it cannot read.
int RunSolveCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const CommandSetting& setting);

}  // namespace solver
