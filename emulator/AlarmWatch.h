#pragma once
// The alarm list: the alarms of the image stand for consecutive PLC bits from the system
// block's start bit on, and the list shows the texts of those whose bit is set (drawn from
// the character codes of the alarm records).

#include <vector>

#include "PolledValues.h"
#include "compiler/ImageContents.h"

namespace tavelo {

class CAlarmWatch {
public:
    explicit CAlarmWatch(const CImageContents& contents) : m_contents(contents) {}

    // The alarm records of the set alarms, in bit order.
    std::vector<const CImageRecord*> ActiveAlarms(const IPolledValues& values) const;

private:
    const CImageContents& m_contents;
};

}  // namespace tavelo
