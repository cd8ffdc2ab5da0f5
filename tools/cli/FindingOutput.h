#pragma once
// The check's findings as tavelo-cli prints them: one line each, or one JSON document.

#include <iosfwd>

#include "check/ProjectCheck.h"
#include "tools/common/JsonOutput.h"

namespace tavelo::cli {

// "错误 [glyph-missing] 画面 1 位于 (0, 0) 的静态文本…"
void WriteFindingLines(const std::vector<CFinding>& findings, std::ostream& out);
tools::Json FindingsJson(const CCheckResult& result);

}  // namespace tavelo::cli
