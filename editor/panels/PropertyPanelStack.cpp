#include "PropertyPanelStack.h"

#include <QGridLayout>

#include "DynamicBitmapPropertyDialog.h"
#include "DynamicTextPropertyDialog.h"
#include "FunKeyPropertyDialog.h"
#include "IndicatorPropertyDialog.h"
#include "RegisterPropertyDialog.h"
#include "ScreenPropertyDialog.h"
#include "StaticBitmapPropertyDialog.h"
#include "TextPropertyDialog.h"
#include "TrendBarPropertyDialog.h"
#include "VectorDynamicTextPropertyDialog.h"
#include "VectorTextPropertyDialog.h"

namespace tavelo {

CPropertyPanelStack::CPropertyPanelStack(CEditorContext& context, CPanelHost& host, QWidget* parent)
    : QWidget(parent) {
    m_panels = {new CScreenPropertyDialog(context, host, this),
                new CTextPropertyDialog(context, host, this),
                new CDynamicTextPropertyDialog(context, host, this),
                new CIndicatorPropertyDialog(context, host, this),
                new CRegisterPropertyDialog(context, host, this),
                new CTrendBarPropertyDialog(context, host, this),
                new CFunKeyPropertyDialog(context, host, this),
                new CStaticBitmapPropertyDialog(context, host, this),
                new CDynamicBitmapPropertyDialog(context, host, this),
                new CVectorTextPropertyDialog(context, host, this),
                new CVectorDynamicTextPropertyDialog(context, host, this)};
    // All panels share one place; only the visible one takes room.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (CPropertyDialogBase* panel : m_panels) {
        panel->hide();
        layout->addWidget(panel, 0, 0);
    }
}

int CPropertyPanelStack::TemplateOf(const CGraphObj& object) {
    if (const auto* text = dynamic_cast<const CStaticText*>(&object))
        return text->IsVector() ? CVectorTextPanelForm::kTemplateId : CTextPanelForm::kTemplateId;
    if (const auto* text = dynamic_cast<const CDynamicText*>(&object))
        return text->IsVector() ? CVectorDynamicTextPanelForm::kTemplateId
                                : CDynamicTextPanelForm::kTemplateId;
    if (dynamic_cast<const CStaticBitmap*>(&object)) return CStaticBitmapPanelForm::kTemplateId;
    if (dynamic_cast<const CIndicator*>(&object)) return CIndicatorPanelForm::kTemplateId;
    if (dynamic_cast<const CRegister*>(&object)) return CRegisterPanelForm::kTemplateId;
    if (dynamic_cast<const CTrendBar*>(&object)) return CTrendBarPanelForm::kTemplateId;
    if (dynamic_cast<const CFunctionKey*>(&object)) return CFunctionKeyPanelForm::kTemplateId;
    if (dynamic_cast<const CDynamicBitmap*>(&object)) return CDynamicBitmapPanelForm::kTemplateId;
    return -1;
}

void CPropertyPanelStack::Show(CGraphObj* object, int templateId) {
    if (templateId == kByKind) {
        templateId = object ? TemplateOf(*object) : -1;
        if (templateId == -1) return;
    }
    for (CPropertyDialogBase* panel : m_panels) {
        if (panel->GetTemplateId() != templateId) {
            panel->hide();
            continue;
        }
        panel->SetObject(object);
        panel->show();
    }
}

void CPropertyPanelStack::RefreshVisible() {
    for (CPropertyDialogBase* panel : m_panels)
        if (!panel->isHidden()) panel->Refresh();
}

void CPropertyPanelStack::RefreshMoved() {
    for (CPropertyDialogBase* panel : m_panels)
        if (!panel->isHidden()) panel->RefreshIfMoved();
}

void CPropertyPanelStack::Forget(const CGraphObj* object) {
    for (CPropertyDialogBase* panel : m_panels) panel->Forget(object);
}

void CPropertyPanelStack::ForgetAll() {
    for (CPropertyDialogBase* panel : m_panels) panel->Forget(panel->GetObject());
}

int CPropertyPanelStack::VisibleTemplate() const {
    for (const CPropertyDialogBase* panel : m_panels)
        if (!panel->isHidden()) return panel->GetTemplateId();
    return -1;
}

CPropertyDialogBase* CPropertyPanelStack::GetPanel(int templateId) const {
    for (CPropertyDialogBase* panel : m_panels)
        if (panel->GetTemplateId() == templateId) return panel;
    return nullptr;
}

}  // namespace tavelo
