#pragma once
// What every element property panel's form model shares: the element it edits, the load that
// shows the element's values and applies them back at once without touching the project's
// modified mark, and the live apply that writes the fields and marks the project modified.

#include "model/AppState.h"
#include "model/TaveloDoc.h"

namespace tavelo {

template <class Element>
class CElementPanelForm {
public:
    virtual ~CElementPanelForm() = default;

    // Takes the element, shows its values and applies them back once, so the element meets
    // the panel's rules (as opening a project needs); the modified mark stays as it was. A null
    // element changes nothing.
    void SetObject(Element* element) {
        if (!element) return;
        m_pElement = element;
        CTaveloDoc* doc = element->GetOwnerDoc();
        const bool wasModified = doc && doc->IsModified();
        LoadFields();
        m_bOnlyShowing = true;
        Apply();
        m_bOnlyShowing = false;
        if (doc) doc->SetModified(wasModified);
    }
    // Shows the element's values again, after it moved.
    void Refresh() {
        if (m_pElement) LoadFields();
    }
    // Writes the fields into the element and marks the project modified; nothing happens
    // without an element or while a field stops the apply. Every user action ends in it.
    void Apply() {
        if (!m_pElement || !WriteElement()) return;
        if (CTaveloDoc* doc = m_pElement->GetOwnerDoc()) doc->SetModified();
    }
    Element* GetObject() const { return m_pElement; }

protected:
    explicit CElementPanelForm(const CAppState& state) : m_state(state) {}

    virtual void LoadFields() = 0;
    // False when nothing was written.
    virtual bool WriteElement() = 0;

    // True while SetObject applies the shown values back, before any action of the user.
    bool IsOnlyShowing() const { return m_bOnlyShowing; }

    const CAppState& m_state;
    Element* m_pElement = nullptr;

private:
    bool m_bOnlyShowing = false;
};

}  // namespace tavelo
