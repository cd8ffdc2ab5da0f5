#include "PortName.h"

#include <cctype>

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

}  // namespace tavelo
