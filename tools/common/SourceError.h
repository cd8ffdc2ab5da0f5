#pragma once
// An error in a readable data source, reported as "file:line: message" like a compiler does.

#include <stdexcept>
#include <string>

namespace tavelo {

class CSourceError : public std::runtime_error {
public:
    CSourceError(const std::string& fileName, int line, const std::string& message)
        : std::runtime_error(fileName + ":" + std::to_string(line) + ": " + message),
          m_nLine(line) {}

    int GetLine() const { return m_nLine; }

private:
    int m_nLine;
};

}  // namespace tavelo
