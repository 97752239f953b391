#include "platform/qt/SystemSound.h"

#include <QSoundEffect>
#include <QUrl>
#include <memory>

namespace platform {

namespace {

// One QSoundEffect per file, made anew whenever an effect has failed: an
// effect that reached the Error state never recovers.
class QtSoundBackend final : public SoundBackend {
  public:
    void Play(const std::string& hostPath, bool loop) override {
        Stop();
        const QUrl url = QUrl::fromLocalFile(QString::fromStdString(hostPath));
        if (!m_effect || m_effect->status() == QSoundEffect::Error || m_effect->source() != url) {
            m_effect = std::make_unique<QSoundEffect>();
            m_effect->setSource(url);
        }
        m_effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
        m_effect->play();
    }

    void Stop() override {
        if (m_effect) {
            m_effect->stop();
        }
    }

    bool IsPlaying() const override {
        // A loop that is still loading counts as playing, so that repeated
        // "play unless playing" calls do not restart it.
        return m_effect && m_effect->status() != QSoundEffect::Error &&
               (m_effect->isPlaying() || m_effect->status() == QSoundEffect::Loading);
    }

  private:
    std::unique_ptr<QSoundEffect> m_effect;
};

}  // namespace

std::unique_ptr<SoundBackend> CreateSystemSoundBackend() {
    return std::make_unique<QtSoundBackend>();
}

}  // namespace platform
