#include "RegisterLoadData.h"

#include "RegisterAttributes.h"
#include "TextRecordParts.h"
#include "elements/Register.h"

namespace tavelo {

using namespace register_bits;

void CRegisterLoadData::Compute(const CRegister& element, bool floatOffered) {
    SetPosition(element);
    const bool isFloat = element.IsFloat() && floatOffered;
    m_bSettable = element.IsSettable();
    m_nAttributes =
        BaseLook(element) | (element.IsEngineering() ? kEngineeringBit : 0) |
        (m_bSettable ? kSettableBit : 0) | (element.IsSigned() || isFloat ? kSignedBit : 0) |
        (element.IsDecimal() || isFloat ? kDecimalBit : 0) |
        (element.IsPassword() ? kPasswordBit : 0) | (element.IsLimits() ? kLimitsBit : 0);
    m_nDigits = element.GetDigits();
    m_nDecimals = element.GetDecimals() | (isFloat ? kFloatDecimalsBit : 0);
    m_nInputMax = element.GetInputMax();
    m_nInputMin = element.GetInputMin();
    m_nEngMax = element.GetEngMax();
    m_nEngMin = element.GetEngMin();
    const CRegisterUnit& address = element.GetAddress();
    SetPollAddress(CPlcAddress::Of(address), address.m_nAddress);
}

std::size_t CRegisterLoadData::WriteRecord(CImageCursor& out) const {
    const std::size_t start = out.GetCount();
    const CPlcAddress& address = GetAddress();
    PutPosition(out);
    out.Put8(m_nAttributes);
    out.Put8(m_nDigits);
    out.Put8(m_nDecimals);
    out.Put32(m_nInputMax);
    out.Put32(m_nInputMin);
    out.Put8(address.m_nStation);
    out.Put16(address.m_nAddress);
    out.Put8(address.m_nUnitCode);
    out.Put8(address.m_nByteCount);
    out.Put32(m_nEngMax);
    out.Put32(m_nEngMin);
    return out.GetCount() - start;
}

}  // namespace tavelo
