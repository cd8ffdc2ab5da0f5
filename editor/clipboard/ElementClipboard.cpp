#include "ElementClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <span>

#include "editor/EditorContext.h"
#include "editor/EditorTexts.h"
#include "editor/Messenger.h"
#include "editor/TaveloView.h"
#include "editor/undo/UndoHistory.h"
#include "model/ArchiveError.h"
#include "model/ElementTransfer.h"
#include "model/TaveloDoc.h"
#include "translation/ShownText.h"

namespace tavelo {
namespace {

std::span<const std::uint8_t> BytesOf(const QByteArray& array) {
    return {reinterpret_cast<const std::uint8_t*>(array.constData()),
            static_cast<std::size_t>(array.size())};
}

}  // namespace

CElementClipboard::CElementClipboard(CTaveloView& view, QObject* parent)
    : QObject(parent), m_view(view) {
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &CElementClipboard::NoteOffer);
    NoteOffer();
}

void CElementClipboard::NoteOffer() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    m_bElementsOffered = data && data->hasFormat(QString::fromLatin1(kMimeType));
    emit Changed();
}

QMimeData* CElementClipboard::MakeMimeData() const {
    const CViewState& state = m_view.GetViewState();
    std::vector<const CGraphObj*> elements;
    for (const auto& element : state.GetDoc().GetElements())
        if (state.IsInSelection(element.get())) elements.push_back(element.get());
    if (elements.empty()) return nullptr;
    const std::vector<std::uint8_t> bytes = CElementTransfer::Write(elements);
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kMimeType),
                  QByteArray(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<qsizetype>(bytes.size())));
    return data;
}

void CElementClipboard::PasteFrom(const QMimeData& data) {
    CEditorContext& context = m_view.GetContext();
    const QByteArray bytes = data.data(QString::fromLatin1(kMimeType));
    CElementTransfer::Elements elements;
    try {
        elements = CElementTransfer::Read(BytesOf(bytes), context.m_registry);
    } catch (const CArchiveError& error) {
        context.m_messenger.Show(m_view.window(), ShownText(editor_text::kMessageCaption),
                                 ShownText(editor_text::kCannotPaste) + u'\n' +
                                     QString::fromStdString(error.what()),
                                 CMessenger::EIcon::kWarning);
        return;
    }
    CViewState& state = m_view.GetViewState();
    CElementTransfer::PlaceOnScreen(elements, context.m_doc, state.GetCurrentScreenNo());
    m_view.GetHistory().Record(EEditStep::kPaste, [&] { state.AddElements(std::move(elements)); });
}

bool CElementClipboard::CanCopy() const {
    return !m_view.GetViewState().GetSelection().empty();
}

bool CElementClipboard::CanPaste() const {
    return m_view.GetViewState().IsProjectOpen() && m_bElementsOffered;
}

void CElementClipboard::Cut() {
    if (!CanCopy()) return;
    m_view.GetHistory().Record(EEditStep::kCut, [this] {
        Copy();
        m_view.GetViewState().DeleteSelection();
    });
}

void CElementClipboard::Copy() {
    if (QMimeData* data = MakeMimeData()) QGuiApplication::clipboard()->setMimeData(data);
}

void CElementClipboard::Paste() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (CanPaste() && data) PasteFrom(*data);
}

}  // namespace tavelo
