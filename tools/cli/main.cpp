#include <unistd.h>

#include <QGuiApplication>
#include <iostream>

#include "CliCommands.h"

int main(int argc, char** argv) {
    // Holds the translator of the chosen language, runs the serial port's events and gives the
    // report its fonts and PDF painter. The command line never shows a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const tavelo::cli::CCliStreams streams{std::cin, std::cout, std::cerr,
                                           isatty(STDOUT_FILENO) == 1};
    return tavelo::cli::RunCli({argv + 1, argv + argc}, streams);
}
