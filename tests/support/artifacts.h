// Where tests put their screenshots: $CORVELL_ARTIFACTS when set, else <build>/artifacts (the
// test program defines CORVELL_BUILD_DIR).
#pragma once

#include <QDir>
#include <QGuiApplication>
#include <QString>
#include <QWidget>
#include <cstdlib>

namespace corvell::test {

inline QString artifactsDir() {
    const char* env = std::getenv("CORVELL_ARTIFACTS");
#ifdef CORVELL_BUILD_DIR
    const QString fallback = QStringLiteral(CORVELL_BUILD_DIR "/artifacts");
#else
    const QString fallback = QStringLiteral("artifacts");
#endif
    const QString dir = env && *env ? QString::fromLocal8Bit(env) : fallback;
    QDir().mkpath(dir);
    return dir;
}

// The scale the windows are drawn at, in percent: "100", or "200" under QT_SCALE_FACTOR=2; for
// the names of screenshots taken at either.
inline QString scalePercent() {
    return QString::number(qRound(qGuiApp->devicePixelRatio() * 100));
}

// Renders the window to <artifacts>/<name>.png; true when written.
inline bool saveScreenshot(QWidget& window, const QString& name) {
    return window.grab().save(artifactsDir() + "/" + name + ".png");
}

}  // namespace corvell::test
