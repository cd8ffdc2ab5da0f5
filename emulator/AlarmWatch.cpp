#include "AlarmWatch.h"

#include <algorithm>

namespace tavelo {

std::vector<const CImageRecord*> CAlarmWatch::ActiveAlarms(const IPolledValues& values) const {
    const CImageRecord& system = m_contents.m_systemBlock;
    const std::size_t count =
        std::min(m_contents.m_alarms.size(), static_cast<std::size_t>(system.Value("alarms")));
    std::vector<const CImageRecord*> alarms;
    for (std::size_t i = 0; i < count; ++i) {
        const CPollAddress bit{system.Value("alarmStation"), system.Value("alarmUnit"),
                               system.Value("alarmStartBit") + static_cast<std::int64_t>(i)};
        if (values.Read(bit) != 0) alarms.push_back(&m_contents.m_alarms[i]);
    }
    return alarms;
}

}  // namespace tavelo
