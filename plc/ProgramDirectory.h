#pragma once
// Where the delivered data files lie: the directory of the running program.

#include <filesystem>

namespace tavelo {

inline constexpr const char* kPlcTypesFileName = "PlcTypes.DAT";

// The directory of the running executable; the environment variable TAVELO_DATA_DIR, when
// set, names another one (tests and packaging use it).
std::filesystem::path GetProgramDirectory();

}  // namespace tavelo
