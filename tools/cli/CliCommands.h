#pragma once
// tavelo-cli as a function of its arguments and output streams, so tests run it in-process.

#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace tavelo::cli {

using Arguments = std::vector<std::string>;

// The streams a run uses; terminal: out is a terminal, which takes ANSI control sequences.
struct CCliStreams {
    std::istream& m_in;
    std::ostream& m_out;
    std::ostream& m_err;
    bool m_bTerminal = false;
};

// What a command's callback needs: the streams and the exit code to return.
struct CCommandRun {
    std::istream& m_in;
    std::ostream& m_out;
    std::ostream& m_err;
    bool m_bTerminal = false;
    int m_nExitCode = 0;
};

// Runs argv[1..]: the command it names, or help, or version. Returns the process exit code.
int RunCli(const Arguments& args, const CCliStreams& streams);

}  // namespace tavelo::cli
