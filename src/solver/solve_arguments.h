#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/sol_doc.h"

namespace solver {

// What the command line asks for.
struct SolveArguments {
    enum Ask { kSolve, kHelp, kVersion };
    Ask ask = kSolve;
    int first = 0;
    int last = CSolDoc::kLastGameNumber;
    bool single = false;
    unsigned jobs = 0;  // 0: one a core
};

// The arguments read, or the one-line reason they cannot be.
std::optional<SolveArguments> ReadSolveArguments(const std::vector<std::string>& arguments,
                                                 std::string& error);

// What --help prints: the usage, the move format and the options.
extern const char* const kSolveHelp;

}  // namespace solver
