// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop speech: what reaches the voice after each frame, and a speech
// service that is missing, goes away or hangs, which Options then shows
// without the frame loop ever waiting for it.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sstream>
#include <thread>

#include "TestSupport.h"
#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "app/Speech.h"

namespace {

struct Said {
    std::string language, text;
    bool operator==(const Said& other) const { return language == other.language && text == other.text; }
};

std::ostream& operator<<(std::ostream& out, const Said& said) { return out << said.language << ": " << said.text; }

// What the voices of one test were asked, shared with the speech thread,
// which may outlive the test's own objects when it is left hanging.
struct Service {
    std::mutex mutex;
    std::condition_variable released;
    std::vector<Said> said;
    bool failing = false;
    bool hanging = false;  // each exchange waits until the test ends it
    bool inside = false;   // an exchange is under way
    int opened = 0;

    // Waits while the service hangs; false when it fails.
    bool exchange(std::unique_lock<std::mutex>& lock) {
        inside = true;
        released.wait(lock, [this] { return !hanging; });
        inside = false;
        return !failing;
    }
    std::vector<Said> heard() {
        std::lock_guard<std::mutex> lock(mutex);
        return said;
    }
    void set(bool& flag, bool on) {
        std::lock_guard<std::mutex> lock(mutex);
        flag = on;
        released.notify_all();
    }
};

class ServiceVoice : public Voice {
public:
    explicit ServiceVoice(std::shared_ptr<Service> service) : m_service(std::move(service)) {}
    bool say(const std::string& language, const std::string& text) override {
        std::unique_lock<std::mutex> lock(m_service->mutex);
        if (!m_service->exchange(lock)) return false;
        m_service->said.push_back({language, text});
        return true;
    }

private:
    std::shared_ptr<Service> m_service;
};

Speech::VoiceOpener openerOf(std::shared_ptr<Service> service) {
    return [service]() -> std::unique_ptr<Voice> {
        std::unique_lock<std::mutex> lock(service->mutex);
        ++service->opened;
        if (!service->exchange(lock)) return nullptr;
        return std::make_unique<ServiceVoice>(service);
    };
}

// What the page's live region is handed for these lines: one a line.
std::string pageText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

// Runs frames that draw nothing, watching speech as the frame loop does,
// until `done`, for at most 10 s; `redrawn` is set if one had to redraw.
template <typename Done>
bool framesUntil(Speech& speech, CPU& cpu, Done done, bool* redrawn = nullptr) {
    for (int i = 0; i < 2000 && !done(); ++i) {
        if (speech.watch(cpu) && redrawn) *redrawn = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return done();
}

class SpeechTest : public ::testing::Test {
protected:
    std::shared_ptr<Service> service = std::make_shared<Service>();
    std::ostringstream err;
    Speech speech{openerOf(service), err, {std::chrono::milliseconds(500), std::chrono::milliseconds(500)}};
    CPU cpu;
};

TEST_F(SpeechTest, SaysWhatChangedInTheLanguageShownWhileSwitchedOn) {
    EXPECT_FALSE(speech.follow(cpu));
    EXPECT_EQ(service->opened, 0) << "nothing is loaded while speech is off";

    cpu.setSpeech(true);
    std::vector<Said> page;  // what the live region says after the same frames
    ScreenReading shown;
    auto frame = [&] {
        const ScreenReading now = readScreen(cpu);
        const std::string text = pageText(newlyRead(shown, now));
        shown = now;
        if (!text.empty()) page.push_back({language == "Polish" ? "pl" : "en", text});
        speech.follow(cpu);
        EXPECT_TRUE(framesUntil(speech, cpu, [&] { return service->heard().size() == page.size(); }));
    };
    frame();  // the whole screen
    cpu.setMenuItem("2");
    frame();
    frame();  // nothing changed
    switchLanguage();
    frame();
    cpu.setCurrentMenu("about menu");
    frame();

    const std::vector<Said> said = service->heard();
    EXPECT_EQ(said, page);
    ASSERT_EQ(said.size(), 4u);
    EXPECT_EQ(said[0].text.rfind("1. Natural numbers and integers", 0), 0u) << said[0].text;
    EXPECT_EQ(said[2].language, "pl");
    EXPECT_NE(said[3].text.find('\n'), std::string::npos) << "the About screen's lines, said as one text";
    EXPECT_EQ(service->opened, 1);
    EXPECT_FALSE(cpu.getSpeechUnavailable());
    EXPECT_EQ(err.str(), "");
}

// A service that fails to take a text (gone, or answering what it was not
// asked) is shown in Options and said once on stderr, and not asked again
// until the pupil switches speech off and on; then the screen is said whole.
TEST_F(SpeechTest, AServiceThatFailsIsShownAndAskedAgainWhenSwitchedOnAgain) {
    cpu.setSpeech(true);
    speech.follow(cpu);
    ASSERT_TRUE(framesUntil(speech, cpu, [&] { return service->heard().size() == 1; }));
    service->set(service->failing, true);
    cpu.setMenuItem("2");
    bool redrawn = speech.follow(cpu);
    EXPECT_TRUE(framesUntil(speech, cpu, [&] { return cpu.getSpeechUnavailable(); }, &redrawn));
    EXPECT_TRUE(redrawn) << "Options must be drawn again";
    cpu.setMenuItem("3");
    EXPECT_FALSE(speech.follow(cpu));
    EXPECT_EQ(service->opened, 1);
    EXPECT_EQ(err.str(), "calcora: the speech service cannot be reached or does not take the text; speech is not available\n");

    service->set(service->failing, false);
    cpu.setSpeech(false);
    cpu.setSpeechUnavailable(false);  // as Enter on the Speech row does
    speech.follow(cpu);
    cpu.setSpeech(true);
    speech.follow(cpu);
    ASSERT_TRUE(framesUntil(speech, cpu, [&] { return service->heard().size() == 2; }));
    EXPECT_EQ(service->opened, 2);
    const Said said = service->heard()[1];
    EXPECT_EQ(said, (Said{"en", pageText(newlyRead({}, readScreen(cpu)))}));
    EXPECT_EQ(said.text.rfind("3. Fractions and rational numbers - part 2", 0), 0u) << said.text;
}

// A service that takes the connection, or a text, and never answers holds
// only the speech thread: each frame goes on while it hangs, and past the
// limit speech is not available, said once.
TEST_F(SpeechTest, AServiceThatHangsNeverHoldsTheFrames) {
    for (const bool atOpening : {true, false}) {
        cpu = CPU();
        cpu.setSpeech(true);
        err.str("");
        if (!atOpening) {
            speech.follow(cpu);
            ASSERT_TRUE(framesUntil(speech, cpu, [&] { return !service->heard().empty(); }));
        }
        service->set(service->hanging, true);
        cpu.setMenuItem(atOpening ? "1" : "2");
        EXPECT_FALSE(speech.follow(cpu));
        EXPECT_TRUE(framesUntil(speech, cpu, [&] {
            std::lock_guard<std::mutex> lock(service->mutex);
            return service->inside;
        })) << "the voice is asked";
        EXPECT_FALSE(cpu.getSpeechUnavailable()) << "within its limit, the voice may still answer";
        EXPECT_TRUE(framesUntil(speech, cpu, [&] { return cpu.getSpeechUnavailable(); }));
        EXPECT_EQ(err.str(), "calcora: the speech service does not answer; speech is not available\n");
        cpu.setMenuItem("3");
        EXPECT_FALSE(speech.follow(cpu));
        service->set(service->hanging, false);  // the thread left to itself ends
        cpu.setSpeech(false);
        speech.follow(cpu);
    }
}

TEST(SpeechMissing, NoServiceMarksSpeechUnavailableAndChangesNothingElse) {
    std::ostringstream err;
    Speech speech([] { return std::unique_ptr<Voice>(); }, err);
    CPU cpu;
    cpu.setSpeech(true);
    speech.follow(cpu);
    EXPECT_TRUE(framesUntil(speech, cpu, [&] { return cpu.getSpeechUnavailable(); }));
    EXPECT_TRUE(cpu.getSpeech()) << "the pupil's choice stays";
    EXPECT_EQ(cpu.getCurrentMenu(), "start screen");
    EXPECT_EQ(err.str(), "calcora: the speech service cannot be reached or does not take the text; speech is not available\n");
}

}  // namespace
