#pragma once
// A file that could not be opened, read or written, with the file's name and the reason.

#include <stdexcept>
#include <string>

namespace tavelo {

class CFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace tavelo
