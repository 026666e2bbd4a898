// Pixmaps and fonts need a QGuiApplication: the first call creates one (offscreen unless the
// environment chooses a platform) and keeps it for the rest of the test program.
#pragma once

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <cstdlib>

namespace corvell::test {

inline void ensureGuiApp() {
    if (QGuiApplication::instance()) return;
    if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "corvell-test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// The number of pixels in which two images of one size differ.
inline int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height() + 1;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int n = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            if (x.pixel(col, row) != y.pixel(col, row)) ++n;
        }
    }
    return n;
}

}  // namespace corvell::test
