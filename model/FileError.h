#pragma once
// A file that could not be opened, read or written, with the file's name and the reason.

#include <stdexcept>
#include <string>

namespace tavelo {

class CFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A save refused because the user may not write the file it would replace; the caller may ask
// and save again with the user's consent.
class CReadOnlyFileError : public CFileError {
public:
    using CFileError::CFileError;
};

}  // namespace tavelo
