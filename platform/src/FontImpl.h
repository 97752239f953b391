// The Qt font behind a platform::Font; private to the platform layer.
#pragma once

#include <QFont>
#include <QFontMetrics>

#include "platform/Font.h"

namespace platform {

struct Font::Impl {
    explicit Impl(const QFont& f) : font(f), metrics(f) {}
    QFont font;
    QFontMetrics metrics;
};

}  // namespace platform
