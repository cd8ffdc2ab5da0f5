#pragma once
// What the editor remembers between runs, outside any project: the canvas zoom, the dot-true
// view, the main window's geometry, the folder of the PLC drivers and a serial device the
// download uses instead of the project's COM port.

#include <QByteArray>
#include <QString>
#include <optional>

namespace tavelo {

class CViewSettings {
public:
    // None: the largest zoom that fits.
    static std::optional<int> LoadZoom();
    static void StoreZoom(std::optional<int> pixelsPerDot);
    static bool LoadDotTrue();
    static void StoreDotTrue(bool dotTrue);
    static QByteArray LoadGeometry();
    static void StoreGeometry(const QByteArray& geometry);
    // Empty: the user's driver folder.
    static QString LoadDriverFolder();
    static void StoreDriverFolder(const QString& folder);
    // Empty: the project's COM port.
    static QString LoadPortDevice();
    static void StorePortDevice(const QString& device);
};

}  // namespace tavelo
