#include "ArchiveError.h"

namespace tavelo {

CArchiveError::CArchiveError(const std::string& problem, std::size_t offset)
    : std::runtime_error(problem + " (at byte offset " + std::to_string(offset) + ")"),
      m_strProblem(problem),
      m_nOffset(offset) {}

}  // namespace tavelo
