#pragma once
// The screens as CSV for spreadsheets: number, description and the up and down targets.

#include <string>

namespace tavelo {

class CTaveloDoc;

std::string ExportScreenCsv(const CTaveloDoc& doc);

}  // namespace tavelo
