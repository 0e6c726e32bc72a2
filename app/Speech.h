// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop speaks what the web page's live region says: after each drawn
// frame, while the pupil has speech on, the lines a screen reader would hear
// now go to a voice, cutting off whatever it was still saying. The voice is
// the desktop's speech service, reached through speech-dispatcher's client
// library, which is loaded only once speech is switched on; where it cannot
// be reached, hangs or answers what it was not asked, Options says speech is
// not available and nothing else changes: the window goes on answering keys.
#include <chrono>
#include <functional>
#include <iostream>
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

// The service is spoken to from a helper process, this program started with
// the option SPEECH_HELPER, which `runSpeechHelper` answers (the desktop only).
extern const char* const SPEECH_HELPER;
int runSpeechHelper();

// How long the service may take: to be reached (its client library may
// start it first), and to take a text (it answers at once, queueing the
// text); longer, and it hangs.
struct SpeechLimits {
    std::chrono::milliseconds open{3000}, text{1000};
};

class SpeakingThread;

class Speech {
public:
    using VoiceOpener = std::function<std::unique_ptr<Voice>()>;
    explicit Speech(VoiceOpener open = openSpeechService, std::ostream& err = std::cerr, SpeechLimits limits = {});
    ~Speech();

    // After a drawn frame: hands what changed on screen to the voice while
    // the store has speech on, never waiting for it (the voice is opened and
    // spoken to on a thread of its own, and a text not yet begun gives way
    // to a newer one). A voice that cannot be had, fails to take a text or
    // takes longer than its limit marks speech unavailable in the store, with
    // one line on `err`, and gives true then (Options shows it in the next
    // frame); a hanging one is left to itself. Speech switched off closes the voice.
    bool follow(CPU& cpu);
    // On a frame not drawn: only whether the voice has failed or hangs, as `follow` says it.
    bool watch(CPU& cpu);

private:
    VoiceOpener m_open;
    std::ostream& m_err;
    SpeechLimits m_limits;
    std::unique_ptr<SpeakingThread> m_thread;
    ScreenReading m_read;  // what was said last: nothing yet, so the first frame is said whole
};

// Whether the desktop says a screen reader is running (org.a11y.Status's
// ScreenReaderEnabled on the session bus, asked through libdbus if it is
// there); false without a session bus, or when nobody answers at once.
// Speech starts on then, unless the pupil has chosen otherwise.
bool screenReaderRunning();
