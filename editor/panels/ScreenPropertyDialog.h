#pragma once
// The panel "画面属性" of the current screen: its number, description and the screens the up
// and down keys lead to, written into the screen at every change.

#include "PropertyDialogBase.h"

class QLabel;
class QLineEdit;

namespace tavelo {

class CScreen;
class CSpinButtonEdit;

class CScreenPropertyDialog : public CPropertyDialogBase {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 134;

    CScreenPropertyDialog(CEditorContext& context, CPanelHost& host, QWidget* parent);

    void SetObject(CGraphObj* object) override;
    void Refresh() override;
    int GetTemplateId() const override { return kTemplateId; }
    CGraphObj* GetObject() const override;

protected:
    void DropObject() override;

private:
    // The fields are the panel's own state: a refused change leaves them as typed.
    void Load();
    void ApplyFields();

    CScreen* m_pScreen = nullptr;
    QLabel* m_pNumber;
    QLineEdit* m_pDescription;
    CSpinButtonEdit* m_pUpScreen;
    CSpinButtonEdit* m_pDownScreen;
};

}  // namespace tavelo
