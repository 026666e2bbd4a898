#include "ui/sound/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "platform/message_box.h"

namespace corvell::ui {

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::playAsync(const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (const QFileInfo info(file); !info.isFile() || !info.isReadable()) {
        platform::logLine("Corvell", "cannot play " + path + ": the file cannot be read");
        return false;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        platform::logLine("Corvell", "cannot play " + path + ": there is no audio output");
        return false;
    }
    if (effect_) effect_->stop();
    // A fresh effect per sound, so that the failure report below names the right file.
    effect_ = std::make_unique<QSoundEffect>(device);
    QSoundEffect* effect = effect_.get();
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect, path] {
        if (effect->status() == QSoundEffect::Error) {
            platform::logLine("Corvell", "cannot play " + path + ": not a sound the player knows");
        }
    });
    effect->setSource(QUrl::fromLocalFile(file));
    effect->play();  // starts as soon as the file is loaded
    return true;
}

}  // namespace corvell::ui
