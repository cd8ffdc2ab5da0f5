#pragma once
// A property panel over an element kind's form model: it hands the form the element to edit,
// shows the form's values through its bindings, runs every user action through the form and
// forgets the element by taking a fresh form.

#include <optional>
#include <type_traits>
#include <utility>

#include "PanelBindings.h"
#include "PanelControls.h"
#include "PanelTexts.h"
#include "PropertyDialogBase.h"
#include "editor/EditorContext.h"
#include "editor/QtText.h"
#include "editor/dialogs/SpinButtonEdit.h"
#include "elements/ElementTexts.h"
#include "elements/PanelPosition.h"

namespace tavelo {

template <class Form>
class CFormPanel : public CPropertyDialogBase {
public:
    using Element = std::remove_pointer_t<decltype(std::declval<const Form&>().GetObject())>;

    void SetObject(CGraphObj* object) override {
        auto* element = dynamic_cast<Element*>(object);
        if (!element) return;
        m_form->SetObject(element);
        ShowValues();
    }
    void Refresh() override {
        m_form->Refresh();
        ShowValues();
    }
    int GetTemplateId() const override { return Form::kTemplateId; }
    CGraphObj* GetObject() const override { return m_form->GetObject(); }

protected:
    CFormPanel(CEditorContext& context, CPanelHost& host, const char16_t* caption, QWidget* parent)
        : CPropertyDialogBase(context, host, ShownText(caption), parent),
          m_bindings([this](const CPanelBindings::Change& change, const QObject* control) {
              RunChange(change, control);
          }),
          m_form(std::in_place, context.m_state) {}

    Form& GetForm() { return *m_form; }

    // The X and Y fields of the element's top-left corner, from (row, column) on.
    void AddPosition(int row, int column) {
        using Axis = CPanelPosition::Axis;
        AddPositionField(Axis::kX, AddSpin(GetGrid(), row, column, panel_text::kX, "x"));
        AddPositionField(Axis::kY, AddSpin(GetGrid(), row, column + 2, panel_text::kY, "y"));
    }

    // The address block bound to the form's address fields.
    CAddressControls AddAddress(int row, int column, int span, bool withCount) {
        const CAddressControls controls =
            AddAddressControls(GetGrid(), row, column, span, withCount);
        BindAddressControls(
            m_bindings, controls,
            BindingOfFields(
                [this]() -> const CPanelAddressFields& { return GetForm().GetAddressFields(); },
                [this](CPanelAddressFields::Field field, std::u16string_view text) {
                    GetForm().SetAddressText(field, text);
                },
                [this](int position) { GetForm().SelectUnit(position); }));
        return controls;
    }

    void ShowValues() override {
        m_bindings.ShowAll();
        m_shownRect = GetObjectRect();
    }
    std::optional<CRect> GetObjectRect() const override {
        const Element* element = m_form->GetObject();
        if (!element) return std::nullopt;
        return element->GetCanvasRect();
    }
    void DropObject() override {
        m_form.emplace(m_context.m_state);
        ShowValues();
    }

    CPanelBindings m_bindings;

private:
    void AddPositionField(CPanelPosition::Axis axis, CSpinButtonEdit* edit) {
        if constexpr (requires { GetForm().GetPositionLength(axis); })
            edit->SetMaxLength(GetForm().GetPositionLength(axis));
        m_bindings.Spin(
            edit, [this, axis] { return GetForm().GetPositionText(axis); },
            [this, axis] {
                if constexpr (requires { GetForm().GetPositionRange(axis); })
                    return GetForm().GetPositionRange(axis);
                else
                    return GetForm().GetSpinRange(axis);
            },
            [this, axis](std::u16string_view text) { GetForm().SetPositionText(axis, text); });
    }

    std::optional<Form> m_form;
};

}  // namespace tavelo
