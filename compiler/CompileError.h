#pragma once
// A compilation that cannot go on: the message the user is shown (empty when the download
// dialog just closes) and the reason, for logs and the command line.

#include <stdexcept>
#include <string>

namespace tavelo {

class CCompileError : public std::runtime_error {
public:
    CCompileError(std::u16string message, const std::string& reason)
        : std::runtime_error(reason), m_strMessage(std::move(message)) {}

    const std::u16string& GetMessage() const { return m_strMessage; }

private:
    std::u16string m_strMessage;
};

}  // namespace tavelo
