#include "ImageContents.h"

#include <algorithm>

namespace tavelo {

const CImageField* CImageRecord::Find(std::string_view name) const {
    const auto found = std::find_if(m_fields.begin(), m_fields.end(),
                                    [name](const CImageField& f) { return f.m_strName == name; });
    return found == m_fields.end() ? nullptr : &*found;
}

std::int64_t CImageRecord::Value(std::string_view name, std::int64_t fallback) const {
    const CImageField* field = Find(name);
    return field ? field->m_nValue : fallback;
}

}  // namespace tavelo
