// tavelo-plcgen SOURCE OUTPUT: compiles the readable PLC type source into the PLC type file.
#include <iostream>

#include "PlcTypeSource.h"
#include "model/FileBytes.h"
#include "plc/PlcTypeFile.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Usage: tavelo-plcgen SOURCE OUTPUT\n";
        return 2;
    }
    try {
        const auto types = tavelo::CPlcTypeSource::Load(argv[1]);
        tavelo::WriteFileAtomically(argv[2], tavelo::CPlcTypeFile::Write(types));
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
