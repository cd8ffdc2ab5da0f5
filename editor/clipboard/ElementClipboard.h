#pragma once
// Cut, copy and paste of screen elements through the desktop's clipboard, in a format of our
// own that holds the elements' stored bodies, so they paste into this or another running
// editor.

#include <QObject>
#include <QString>

class QMimeData;

namespace tavelo {

class CTaveloView;

class CElementClipboard : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kMimeType = "application/x-tavelo-elements";

    explicit CElementClipboard(CTaveloView& view, QObject* parent = nullptr);

    // The selected elements in drawing order, or null when nothing is selected.
    QMimeData* MakeMimeData() const;
    // The elements of the data go onto the current screen where they were, 4 dots further
    // while that place holds the same elements, and become the selection. Data that is
    // damaged or holds anything but elements is refused with a message.
    void PasteFrom(const QMimeData& data);

    bool CanCopy() const;
    bool CanPaste() const;
    void Cut();
    void Copy();
    void Paste();

signals:
    // What the clipboard offers changed.
    void Changed();

private:
    // Asked once per change of the clipboard: asking another program's clipboard is slow.
    void NoteOffer();

    CTaveloView& m_view;
    bool m_bElementsOffered = false;
};

}  // namespace tavelo
