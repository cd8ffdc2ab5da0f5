#pragma once
// How the program names project files it chooses the name of. Only the exact extension
// ".ZORX" stores station numbers, so a name the program picks never spells it another way.

#include <filesystem>

namespace tavelo {

// No extension gets ".ZORX"; ".zorx" in any other case becomes ".ZORX"; any other name stays.
std::filesystem::path ProjectPathForSaving(std::filesystem::path path);

// True for an extension that differs from ".ZORX" only in case: such a file, written under
// exactly that name, holds no station numbers.
bool LosesStationNumbers(const std::filesystem::path& path);

}  // namespace tavelo
