// Writes the driver index "200590901222.dat" and a driver file from the input, with names and
// lengths it picks (empty, short, whole 512-byte units, one byte either side, beyond the
// largest driver), and looks the driver up as the download does: a driver found must be its
// file behind the 0xFF prefix byte, padded with 0xFF to whole units, and belong to the
// identifier the index gives the PLC type.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ScratchDirectory.h"
#include "link/PlcDriver.h"

namespace {

enum class ELength {
    kEmpty,
    kShort,
    kWholeUnits,
    kUnitsAndOne,
    kUnitsLessOne,
    kHuge,
    kMaxValue = kHuge
};

std::uintmax_t DriverLength(FuzzedDataProvider& input) {
    const std::uintmax_t units =
        tavelo::kDriverUnitSize * input.ConsumeIntegralInRange<std::uintmax_t>(1, 8);
    switch (input.ConsumeEnum<ELength>()) {
        case ELength::kEmpty:
            return 0;
        case ELength::kShort:
            return input.ConsumeIntegralInRange<std::uintmax_t>(1, tavelo::kDriverUnitSize);
        case ELength::kWholeUnits:
            return units;
        case ELength::kUnitsAndOne:
            return units + 1;
        case ELength::kUnitsLessOne:
            return units - 1;
        case ELength::kHuge:
            break;
    }
    return tavelo::kDriverMaxBytes + input.ConsumeIntegralInRange<std::uintmax_t>(0, 1);
}

// A name of the identifier's digits at the sixth and eighth place, or one the input spells.
std::string DriverName(FuzzedDataProvider& input, std::uint8_t driverId) {
    if (input.ConsumeBool()) {
        std::string name = input.ConsumeRandomLengthString(16);
        std::replace(name.begin(), name.end(), '/', '_');
        // Not the index itself, which the input writes separately.
        if (name.empty() || name == "." || name == ".." || name == tavelo::kDriverIndexFileName ||
            name.find('\0') != std::string::npos)
            name = "x";
        return name;
    }
    return std::string("PLC0") + "_" + char('0' + driverId / 10) + "_" + char('0' + driverId % 10) +
           (input.ConsumeBool() ? ".dat" : ".DAT");
}

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tavelo::fuzz::CScratchDirectory scratch;
    scratch.Clear();
    FuzzedDataProvider input(data, size);
    const auto plcIndex = input.ConsumeIntegral<std::uint8_t>();
    const auto index =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 256));
    if (!input.ConsumeBool())
        scratch.Write(tavelo::kDriverIndexFileName, index,
                      input.ConsumeBool() ? 0 : (64u << 10) + 1);
    const auto expectedId = tavelo::DriverIdOf(index, plcIndex);
    const std::uintmax_t length = DriverLength(input);
    const std::string name =
        DriverName(input, expectedId.value_or(input.ConsumeIntegral<std::uint8_t>()));
    const auto driverFile =
        tavelo::fuzz::Tiled(input.ConsumeRemainingBytes<std::uint8_t>(),
                            static_cast<std::size_t>(std::min<std::uintmax_t>(length, 1u << 13)));
    scratch.Write(name, driverFile, length);

    const tavelo::CDriverLookup lookup =
        tavelo::FindPlcDriver(scratch.Path(), {scratch.Path()}, plcIndex);
    if (!lookup.m_driver) {
        Require(!lookup.m_strMessage.empty() && !lookup.m_strReason.empty());
        return 0;
    }
    const tavelo::CPlcDriver& driver = *lookup.m_driver;
    const std::size_t units = (length + tavelo::kDriverUnitSize - 1) / tavelo::kDriverUnitSize;
    Require(expectedId && driver.m_nDriverId == *expectedId &&
            tavelo::IsDriverFileOf(driver.m_file.filename().string(), *expectedId) &&
            driver.m_bytes.size() == units * tavelo::kDriverUnitSize &&
            driver.GetBlockCount() == 4 * units && driver.m_bytes.size() > length &&
            driver.m_bytes[0] == 0xFF &&
            std::equal(driverFile.begin(), driverFile.end(), driver.m_bytes.begin() + 1) &&
            std::all_of(driver.m_bytes.begin() + 1 + static_cast<long>(length),
                        driver.m_bytes.end(), [](std::uint8_t byte) { return byte == 0xFF; }));
    return 0;
}
