#pragma once
// Serial port names: the project's port number as "COM1".."COM4", and the device a name
// stands for on this system.

#include <cstdint>
#include <string>

namespace tavelo {

// COMn stands for this prefix followed by n - 1.
inline constexpr const char* kDefaultComPrefix = "/dev/ttyS";

// 1..4 give "COM1".."COM4"; any other number gives "COM1".
std::string PortNameOfNumber(std::uint8_t portNumber);

// "COM1".."COM4" (any case, an optional ':') become comPrefix + 0..3; any other name, such
// as a typed device path, is taken as it is.
std::string ResolvePortDevice(const std::string& name,
                              const std::string& comPrefix = kDefaultComPrefix);

}  // namespace tavelo
