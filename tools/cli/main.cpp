#include <unistd.h>

#include <QCoreApplication>
#include <iostream>

#include "CliCommands.h"

int main(int argc, char** argv) {
    // Holds the translator of the chosen language and runs the serial port's events.
    QCoreApplication application(argc, argv);
    const tavelo::cli::CCliStreams streams{std::cin, std::cout, std::cerr,
                                           isatty(STDOUT_FILENO) == 1};
    return tavelo::cli::RunCli({argv + 1, argv + argc}, streams);
}
