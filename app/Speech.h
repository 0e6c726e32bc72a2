// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop speaks what the web page's live region says: after each drawn
// frame, while the pupil has speech on, the lines a screen reader would hear
// now go to a voice, cutting off whatever it was still saying. The voice is
// the desktop's speech service, reached through speech-dispatcher's client
// library, which is loaded only once speech is switched on; where it cannot
// be reached, Options says speech is not available and nothing else changes.
#include <functional>
#include <memory>
#include <string>

#include "screens/ScreenReading.h"

class CPU;

// Something that speaks.
class Voice {
public:
    virtual ~Voice() = default;
    // Stops what is being said and says `text` in `language` ("en" or "pl");
    // false when the service could not be asked.
    virtual bool say(const std::string& language, const std::string& text) = 0;
};

// A voice of the desktop's speech service (the client library's own
// SPEECHD_ADDRESS says where it listens); null when the library or the
// service is missing, and always in the browser, whose page speaks itself.
std::unique_ptr<Voice> openSpeechService();

class Speech {
public:
    using VoiceOpener = std::function<std::unique_ptr<Voice>()>;
    explicit Speech(VoiceOpener open = openSpeechService) : m_open(std::move(open)) {}

    // After a drawn frame: says what changed on screen while the store has
    // speech on, opening the voice first; marks speech unavailable in the
    // store when no voice could be had, and gives true then (Options shows it
    // in the next frame). Speech switched off closes the voice.
    bool follow(CPU& cpu);

private:
    VoiceOpener m_open;
    std::unique_ptr<Voice> m_voice;
    ScreenReading m_read;  // what was said last: nothing yet, so the first frame is said whole
};

// Whether the desktop says a screen reader is running (org.a11y.Status's
// ScreenReaderEnabled on the session bus, asked through libdbus if it is
// there); false without a session bus, or when nobody answers at once.
// Speech starts on then, unless the pupil has chosen otherwise.
bool screenReaderRunning();
