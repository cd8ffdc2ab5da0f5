#pragma once
// Prints a laid-out manual into an A4 PDF file, with the title and page number in the foot
// of every page.

#include <QString>
#include <filesystem>

#include "ManualDocument.h"

namespace tavelo {

class CManualPrinter {
public:
    static constexpr int kDotsPerInch = 300;

    // Throws CFileError when the file cannot be written; an earlier file is then unchanged.
    static void Write(CManualDocument& document, const QString& title,
                      const std::filesystem::path& file);
};

}  // namespace tavelo
