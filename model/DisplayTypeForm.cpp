#include "DisplayTypeForm.h"

namespace tavelo {

CDisplayTypeForm::CDisplayTypeForm(CAppState& state) : m_state(state) {
    if (!IsModel(state.m_nModelIndex)) state.m_nModelIndex = CAppState::kModelZorA;
}

void CDisplayTypeForm::Click(std::int32_t modelIndex) {
    if (IsModel(modelIndex)) m_state.m_nModelIndex = modelIndex;
}

const char16_t* CDisplayTypeForm::GetVersionText(const CAppState& state) {
    return state.m_nModelIndex == CAppState::kModelZorB ? kVersionTextZorB : kVersionTextZorA;
}

bool CDisplayTypeForm::IsModel(std::int32_t modelIndex) {
    return modelIndex == CAppState::kModelZorA || modelIndex == CAppState::kModelZorB;
}

}  // namespace tavelo
