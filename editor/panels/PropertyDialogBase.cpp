#include "PropertyDialogBase.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "PanelHost.h"
#include "editor/EditorContext.h"
#include "model/TaveloDoc.h"

namespace tavelo {

CPropertyDialogBase::CPropertyDialogBase(CEditorContext& context, CPanelHost& host,
                                         const QString& caption, QWidget* parent)
    : QWidget(parent), m_context(context), m_host(host) {
    auto* group = new QGroupBox(caption, this);
    m_pGrid = new QGridLayout(group);
    m_pGrid->setContentsMargins(6, 4, 6, 4);
    m_pGrid->setVerticalSpacing(3);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(group);
}

void CPropertyDialogBase::Forget(const CGraphObj* object) {
    if (object && object == GetObject()) DropObject();
}

void CPropertyDialogBase::RefreshIfMoved() {
    if (GetObjectRect() != m_shownRect) Refresh();
}

void CPropertyDialogBase::RunChange(const std::function<void()>& change, const QObject* field) {
    CGraphObj* object = GetObject();
    m_host.BeginPanelChange();
    const bool applied = ChangeApplied(change);
    ShowValues();
    m_host.EndPanelChange(field, object);
    if (applied && object) m_host.ElementChanged(object, GetTemplateId());
}

bool CPropertyDialogBase::ChangeApplied(const std::function<void()>& change) const {
    CTaveloDoc& doc = m_context.m_doc;
    const bool wasModified = doc.IsModified();
    doc.SetModified(false);
    change();
    const bool applied = doc.IsModified();
    if (!applied) doc.SetModified(wasModified);
    return applied;
}

// A panel has no OK or Cancel: the keys must neither close nor hide it, nor reach a dialog
// the panel may sit in.
void CPropertyDialogBase::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace tavelo
