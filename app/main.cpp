// tavelo [PROJECT]; tavelo --screenshot FILE.png [PROJECT] writes the main window to a PNG file
// after loading and exits.

#include "ProgramOptions.h"

int main(int argc, char* argv[]) {
    return tavelo::RunTavelo(argc, argv);
}
