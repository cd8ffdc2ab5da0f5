#include <unistd.h>

#include <iostream>

#include "CliCommands.h"

int main(int argc, char** argv) {
    const tavelo::cli::CCliStreams streams{std::cin, std::cout, std::cerr,
                                           isatty(STDOUT_FILENO) == 1};
    return tavelo::cli::RunCli({argv + 1, argv + argc}, streams);
}
