#pragma once
// The one error a damaged or truncated archive raises: what was wrong and at which byte.

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tavelo {

class CArchiveError : public std::runtime_error {
public:
    CArchiveError(const std::string& problem, std::size_t offset);

    const std::string& GetProblem() const { return m_strProblem; }
    std::size_t GetOffset() const { return m_nOffset; }

private:
    std::string m_strProblem;
    std::size_t m_nOffset;
};

}  // namespace tavelo
