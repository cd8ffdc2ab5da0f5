#include "RecentFiles.h"

#include <QSettings>

namespace tavelo {
namespace {

const char* const kKey = "RecentFiles";

}  // namespace

CRecentFiles::CRecentFiles() {
    m_paths = QSettings().value(kKey).toStringList().mid(0, kMaxEntries);
}

void CRecentFiles::Add(const QString& path) {
    m_paths.removeAll(path);
    m_paths.prepend(path);
    while (m_paths.size() > kMaxEntries) m_paths.removeLast();
    Store();
}

void CRecentFiles::Remove(const QString& path) {
    m_paths.removeAll(path);
    Store();
}

void CRecentFiles::Store() const {
    QSettings().setValue(kKey, m_paths);
}

}  // namespace tavelo
