// What Qt Multimedia's GStreamer backend needs before a media player may be made. Qt 6.4 builds its
// player from these elements and crashes in the player's constructor when one of them is missing
// (as on a Debian machine without GStreamer's plugin packages), so they are looked up first.

#include <QByteArray>
#include <QStringList>

#include "voice_player.h"

#include "core/text/messages.h"
#include "gbk_text.h"
#include "interface_language.h"

#ifdef BUSHO_HAVE_GSTREAMER
#include <gst/gst.h>
#endif

namespace busho::platform {

#ifdef BUSHO_HAVE_GSTREAMER

namespace {

struct MediaPiece {
    const char* element;
    const char* package;  // the Debian package that brings it
};

// The player's pipeline and audio output, and the WAV demuxer for the samples.
constexpr MediaPiece kMediaPieces[] = {
    {"input-selector", "libgstreamer1.0-0"}, {"queue", "libgstreamer1.0-0"},
    {"fakesink", "libgstreamer1.0-0"},       {"uridecodebin", "gstreamer1.0-plugins-base"},
    {"videoconvert", "gstreamer1.0-plugins-base"}, {"videoscale", "gstreamer1.0-plugins-base"},
    {"audioconvert", "gstreamer1.0-plugins-base"}, {"audioresample", "gstreamer1.0-plugins-base"},
    {"volume", "gstreamer1.0-plugins-base"}, {"autoaudiosink", "gstreamer1.0-plugins-good"},
    {"wavparse", "gstreamer1.0-plugins-good"},
};

}  // namespace

QString MissingMediaPieces() {
    // Another backend chosen by the user is not ours to check.
    const QByteArray backend = qgetenv("QT_MEDIA_BACKEND");
    if (!backend.isEmpty() && backend != "gstreamer") return {};
    GError* error = nullptr;
    if (!gst_init_check(nullptr, nullptr, &error)) {
        const QString why = error ? QString::fromUtf8(error->message) : QString();
        g_clear_error(&error);
        return InterfaceText(text_gbk::kReasonGstreamerCannotStart).arg(why);
    }
    QStringList elements;
    QStringList packages;
    for (const MediaPiece& piece : kMediaPieces) {
        if (GstElementFactory* factory = gst_element_factory_find(piece.element)) {
            gst_object_unref(factory);
            continue;
        }
        elements << QString::fromLatin1(piece.element);
        if (!packages.contains(QLatin1String(piece.package))) packages << QString::fromLatin1(piece.package);
    }
    if (elements.isEmpty()) return {};
    return InterfaceText(text_gbk::kReasonGstreamerPiecesMissing)
        .arg(elements.join(QStringLiteral(", ")), packages.join(QLatin1Char(' ')));
}

#else

QString MissingMediaPieces() { return {}; }

#endif

}  // namespace busho::platform
