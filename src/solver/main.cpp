// kelmora-solve: which deals can be won, each win proved by playing its line
// through the game itself.
#include <unistd.h>

#include <iostream>
#include <thread>

#include "solver/command.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return solver::RunSolveCommand(
        arguments, std::cout, std::cerr,
        {isatty(STDERR_FILENO) == 1, std::max(1u, std::thread::hardware_concurrency())});
}
