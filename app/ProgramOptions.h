#pragma once
// The tavelo program: its command line, the application and the screenshot mode.

namespace tavelo {

int RunTavelo(int argc, char* argv[]);

}  // namespace tavelo
