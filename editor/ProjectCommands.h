#pragma once
// The commands that make, open, save and close the project, with their ask-to-save questions,
// and the main window caption they decide.

#include <QObject>
#include <QString>

#include "model/FileBytes.h"

namespace tavelo {

class CTaveloView;
struct CEditorContext;

class CProjectCommands : public QObject {
    Q_OBJECT
public:
    explicit CProjectCommands(CTaveloView& view);

    // Each returns whether the command went through.
    bool New();
    bool Open();
    // Opens a project without asking for its file: the command line, a dropped file, the
    // recent-file list. A damaged file is reported and the open project stays.
    bool OpenPath(const QString& path);
    bool Save();
    bool SaveAs();
    bool Close();
    // Asks to save; false keeps the program running.
    bool Exit();
    // The display-type command; the caption follows the model on OK.
    bool ChooseDisplayType();

    const QString& GetProjectPath() const { return m_strProjectPath; }

signals:
    void CaptionChanged(const QString& caption);
    // A project file was opened or saved under this path.
    void ProjectFileUsed(const QString& path);
    // New or Open made a project; Close ended it.
    void ProjectStarted();
    void ProjectClosed();

private:
    enum class ESaveAnswer { kGoOn, kStop };
    ESaveAnswer AskToSave();
    bool WriteTo(const QString& path, EReadOnlyTarget readOnly);
    QString ModelCaption() const;
    bool IsPlcTypeFileReadable() const;
    CEditorContext& Context() const;

    CTaveloView& m_view;
    QString m_strProjectPath;
};

}  // namespace tavelo
