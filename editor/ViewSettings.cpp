#include "ViewSettings.h"

#include <QSettings>

namespace tavelo {
namespace {

const char* const kZoomKey = "View/Zoom";
const char* const kDotTrueKey = "View/DotTrue";
const char* const kGeometryKey = "View/Geometry";
const char* const kDriverFolderKey = "Download/DriverFolder";
const char* const kPortDeviceKey = "Download/PortDevice";

}  // namespace

std::optional<int> CViewSettings::LoadZoom() {
    bool number = false;
    const int zoom = QSettings().value(kZoomKey).toInt(&number);
    return number && zoom > 0 ? std::optional(zoom) : std::nullopt;
}

void CViewSettings::StoreZoom(std::optional<int> pixelsPerDot) {
    QSettings().setValue(kZoomKey, pixelsPerDot.value_or(0));
}

bool CViewSettings::LoadDotTrue() {
    return QSettings().value(kDotTrueKey, false).toBool();
}

void CViewSettings::StoreDotTrue(bool dotTrue) {
    QSettings().setValue(kDotTrueKey, dotTrue);
}

QByteArray CViewSettings::LoadGeometry() {
    return QSettings().value(kGeometryKey).toByteArray();
}

void CViewSettings::StoreGeometry(const QByteArray& geometry) {
    QSettings().setValue(kGeometryKey, geometry);
}

QString CViewSettings::LoadDriverFolder() {
    return QSettings().value(kDriverFolderKey).toString();
}

void CViewSettings::StoreDriverFolder(const QString& folder) {
    QSettings().setValue(kDriverFolderKey, folder);
}

QString CViewSettings::LoadPortDevice() {
    return QSettings().value(kPortDeviceKey).toString();
}

void CViewSettings::StorePortDevice(const QString& device) {
    QSettings().setValue(kPortDeviceKey, device);
}

}  // namespace tavelo
