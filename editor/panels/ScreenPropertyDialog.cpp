#include "ScreenPropertyDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "PanelControls.h"
#include "PanelTexts.h"
#include "editor/EditorContext.h"
#include "editor/QtText.h"
#include "editor/dialogs/DialogParts.h"
#include "editor/dialogs/SpinButtonEdit.h"
#include "model/Screen.h"
#include "model/ScreenCommands.h"
#include "model/TextFormat.h"

namespace tavelo {

CScreenPropertyDialog::CScreenPropertyDialog(CEditorContext& context, CPanelHost& host,
                                             QWidget* parent)
    : CPropertyDialogBase(context, host, ShownText(panel_text::kScreenPanelCaption), parent) {
    QGridLayout& grid = GetGrid();
    m_pNumber = new QLabel(grid.parentWidget());
    m_pNumber->setObjectName(QStringLiteral("number"));
    grid.addWidget(m_pNumber, 0, 0, 1, 2);
    m_pDescription = AddLineEdit(grid, 1, 0, panel_text::kScreenDescription, "description");
    m_pUpScreen = AddSpin(grid, 2, 0, panel_text::kUpScreen, "upScreen");
    m_pDownScreen = AddSpin(grid, 3, 0, panel_text::kDownScreen, "downScreen");
    for (CSpinButtonEdit* target : {m_pUpScreen, m_pDownScreen}) {
        target->SetRange({kMinScreenNumber, kMaxScreenNumber});
        target->SetText(QStringLiteral("1"));
        connect(target, &CSpinButtonEdit::TextEdited, this, &CScreenPropertyDialog::ApplyFields);
    }
    connect(m_pDescription, &QLineEdit::textEdited, this, &CScreenPropertyDialog::ApplyFields);
    grid.setRowStretch(4, 1);
    grid.setColumnStretch(2, 1);
}

void CScreenPropertyDialog::SetObject(CGraphObj* object) {
    auto* screen = dynamic_cast<CScreen*>(object);
    if (!screen) return;
    m_pScreen = screen;
    Load();
}

void CScreenPropertyDialog::Refresh() {
    if (m_pScreen) Load();
}

CGraphObj* CScreenPropertyDialog::GetObject() const {
    return m_pScreen;
}

void CScreenPropertyDialog::DropObject() {
    m_pScreen = nullptr;
}

void CScreenPropertyDialog::Load() {
    const QSignalBlocker up(m_pUpScreen);
    const QSignalBlocker down(m_pDownScreen);
    m_pNumber->setText(ShownText(FormatMessage(panel_text::kScreenNumber, m_pScreen->GetNumber())));
    ShowLineText(*m_pDescription, ToQString(m_pScreen->GetDescription()));
    m_pUpScreen->SetText(QString::number(m_pScreen->GetUpScreen()));
    m_pDownScreen->SetText(QString::number(m_pScreen->GetDownScreen()));
}

void CScreenPropertyDialog::ApplyFields() {
    if (!m_pScreen) return;
    const SScreenPropertyFields fields{ToU16(m_pDescription->text()), ToU16(m_pUpScreen->text()),
                                       ToU16(m_pDownScreen->text())};
    RunChange([&] {
        const SScreenPropertiesResult result =
            ApplyScreenProperties(m_context.m_doc, *m_pScreen, fields);
        if (result.m_outcome == EScreenPropertiesOutcome::Refused)
            ShowNotice(m_context.m_messenger, this, result.m_strMessage);
    });
}

}  // namespace tavelo
