#include <iostream>

#include "CliCommands.h"

int main(int argc, char** argv) {
    return tavelo::cli::RunCli({argv + 1, argv + argc}, std::cout, std::cerr);
}
