#pragma once
// The recent-file list of the File menu: the last four projects opened or saved, kept in the
// user's settings.

#include <QStringList>

namespace tavelo {

class CRecentFiles {
public:
    static constexpr int kMaxEntries = 4;

    // Reads the list kept under the organisation and application names of the settings.
    CRecentFiles();

    const QStringList& GetPaths() const { return m_paths; }
    // Moves the path to the top, dropping the oldest beyond four, and keeps the list.
    void Add(const QString& path);
    void Remove(const QString& path);

private:
    void Store() const;

    QStringList m_paths;
};

}  // namespace tavelo
