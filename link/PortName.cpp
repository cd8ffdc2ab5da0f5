#include "PortName.h"

#include <cctype>
#include <filesystem>
#include <vector>

namespace tavelo {

std::string PortNameOfNumber(std::uint8_t portNumber) {
    return "COM" + std::to_string(portNumber >= 1 && portNumber <= 4 ? portNumber : 1);
}

std::string ResolvePortDevice(const std::string& name, const std::string& comPrefix) {
    std::string bare = name;
    if (!bare.empty() && bare.back() == ':') bare.pop_back();
    const bool isCom = bare.size() == 4 &&
                       std::toupper(static_cast<unsigned char>(bare[0])) == 'C' &&
                       std::toupper(static_cast<unsigned char>(bare[1])) == 'O' &&
                       std::toupper(static_cast<unsigned char>(bare[2])) == 'M' && bare[3] >= '1' &&
                       bare[3] <= '4';
    if (!isCom) return name;
    return comPrefix + std::to_string(bare[3] - '1');
}

CPortLookup LookUpPortDevice(const std::string& name, const std::string& comPrefix) {
    std::vector<std::string> tried = {ResolvePortDevice(name, comPrefix)};
    const bool isCom = tried.front() != name;
    if (!isCom && !name.empty() && name.find('/') == std::string::npos)
        tried.push_back(kDeviceFolder + name);
    for (const std::string& candidate : tried) {
        std::error_code error;
        // Absolute, since the serial layer looks a relative name up under /dev by itself.
        if (std::filesystem::exists(candidate, error))
            return {std::filesystem::absolute(candidate, error).lexically_normal().string(), {}};
    }
    std::string message = name + ": no such device (tried ";
    for (std::size_t i = 0; i < tried.size(); ++i) message += (i ? ", " : "") + tried[i];
    return {{}, message + ")"};
}

}  // namespace tavelo
