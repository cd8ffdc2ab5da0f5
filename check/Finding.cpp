#include "Finding.h"

#include "CheckMessages.h"

namespace tavelo {

const char16_t* SeverityName(ESeverity severity) {
    return severity == ESeverity::Error ? check_messages::kError : check_messages::kWarning;
}

const char* SeverityKey(ESeverity severity) {
    return severity == ESeverity::Error ? "error" : "warning";
}

}  // namespace tavelo
