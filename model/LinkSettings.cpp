#include "LinkSettings.h"

#include "AppState.h"
#include "Archive.h"

namespace tavelo {

namespace {

// The seven fields in their stored order (not member order).
void TransferFields(CArchive& ar, CLinkSettings& fields) {
    ar.Int32(fields.m_nStation);
    ar.U8(fields.m_nDownloadPort);
    ar.U8(fields.m_nBaudCode);
    ar.U8(fields.m_nParityChoice);
    ar.U8(fields.m_nDataBitsChoice);
    ar.U8(fields.m_nStopBitsChoice);
    ar.Int32(fields.m_nPlcListIndex);
}

}  // namespace

int CLinkSettings::BaudIndexOfCode(std::uint8_t baudCode) {
    for (std::size_t i = 0; i < kBaudCodes.size(); ++i)
        if (kBaudCodes[i] == baudCode) return static_cast<int>(i);
    return kBaudIndex9600;
}

void CLinkSettings::Serialize(CArchive& ar, CAppState& state) {
    if (ar.IsStoring()) {
        TransferFields(ar, *this);
        state.m_currentPlc.Serialize(ar);
        return;
    }
    CLinkSettings read;
    CPLC currentPlc;
    TransferFields(ar, read);
    currentPlc.Serialize(ar);
    CopyFieldsFrom(read);
    state.m_nPlcListIndex = static_cast<std::uint8_t>(read.m_nPlcListIndex & 0xFF);
    state.m_currentPlc = std::move(currentPlc);
}

void CLinkSettings::SerializePlcTypeList(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteObjectList(m_plcTypes);
        return;
    }
    const std::uint32_t count = ar.ReadListCount(CPLC::kSmallestStoredSize);
    std::vector<CPLC> types;
    types.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        types.push_back(std::move(*ar.ReadObjectOf<CPLC>("a PLC type (CPLC)")));
    m_plcTypes = std::move(types);
}

void CLinkSettings::CopyFieldsFrom(const CLinkSettings& other) {
    m_nStation = other.m_nStation;
    m_nDownloadPort = other.m_nDownloadPort;
    m_nBaudCode = other.m_nBaudCode;
    m_nStopBitsChoice = other.m_nStopBitsChoice;
    m_nParityChoice = other.m_nParityChoice;
    m_nDataBitsChoice = other.m_nDataBitsChoice;
    m_nPlcListIndex = other.m_nPlcListIndex;
}

}  // namespace tavelo
