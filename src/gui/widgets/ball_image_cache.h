#pragma once
/// The ball pictures of the grids, by file name: drawn by the program, or taken from a .bmp of that
/// name in Qiu/ or Qiu/GuoLv/ of the home.
#include <QHash>
#include <QPixmap>
#include <QString>
#include <filesystem>

#include "gui/widgets/ball_look.h"

namespace p3::gui {

class BallImageCache {
public:
    BallImageCache() = default;

    /// Reads every .bmp of Qiu/ and Qiu/GuoLv/ below the home; missing folders are skipped.
    void fill(const std::filesystem::path& home);
    void clear();

    /// The picture of that name at that size (square, in device-independent pixels); `value` is the
    /// text of the cell it marks, the label of a ball whose name does not carry it.
    QPixmap image(const QString& name, int size, const QString& value = {}) const;
    /// Whether a picture file of that name was found.
    bool hasFile(const QString& name) const;
    int fileCount() const { return static_cast<int>(m_files.size()); }

    /// Draws a ball as the program draws it, without looking for a file.
    static QPixmap drawBall(const QString& name, int size, qreal devicePixelRatio = 1.0,
                            const QString& value = {});

private:
    void scanFolder(const std::filesystem::path& folder);
    /// A picture file that appeared after the scan, looked for by name in the two folders.
    bool loadOnDemand(const QString& name) const;

    std::filesystem::path m_home;
    // File pictures by name (without ".bmp", case kept) and drawn or scaled pictures by name and size.
    mutable QHash<QString, QPixmap> m_files;
    mutable QHash<QString, QPixmap> m_sized;
};

} // namespace p3::gui
