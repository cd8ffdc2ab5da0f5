#include "ProjectFileName.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "RegisterUnit.h"

namespace tavelo {

namespace {

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::filesystem::path ProjectPathForSaving(std::filesystem::path path) {
    if (!path.has_extension() || LosesStationNumbers(path))
        path.replace_extension(CRegisterUnit::kStationExtension);
    return path;
}

bool LosesStationNumbers(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    return extension != CRegisterUnit::kStationExtension &&
           EqualsIgnoringCase(extension, CRegisterUnit::kStationExtension);
}

}  // namespace tavelo
