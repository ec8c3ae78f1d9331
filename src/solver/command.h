#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace solver {

// kelmora-solve N | A-B | --all. Writes the line or the verdicts to `out`, the
// progress bar (only when `terminal`) and any error to `err`. Returns the
// exit status: 0, or 2 for arguments it cannot read.
int RunSolveCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    bool terminal, unsigned threads);

}  // namespace solver
