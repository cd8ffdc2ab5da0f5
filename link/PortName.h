#pragma once
// Serial port names: the project's port number as "COM1".."COM4", and the device a name
// stands for on this system.

#include <cstdint>
#include <string>

namespace tavelo {

// COMn stands for this prefix followed by n - 1.
inline constexpr const char* kDefaultComPrefix = "/dev/ttyS";
// Where a bare device name that is not in the working directory is looked for.
inline constexpr const char* kDeviceFolder = "/dev/";

// 1..4 give "COM1".."COM4"; any other number gives "COM1".
std::string PortNameOfNumber(std::uint8_t portNumber);

// "COM1".."COM4" (any case, an optional ':') become comPrefix + 0..3; any other name, such
// as a typed device path, is taken as it is.
std::string ResolvePortDevice(const std::string& name,
                              const std::string& comPrefix = kDefaultComPrefix);

struct CPortLookup {
    // An absolute path; empty when nothing that was tried exists.
    std::string m_strDevice;
    // Names every path tried when nothing was found.
    std::string m_strError;
};

// The existing device a typed name stands for: COM1..COM4 through the prefix; any other name
// that exists as given; a bare name that does not is tried under /dev.
CPortLookup LookUpPortDevice(const std::string& name,
                             const std::string& comPrefix = kDefaultComPrefix);

}  // namespace tavelo
