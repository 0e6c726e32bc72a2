// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop speech: what reaches the voice after each frame, and a speech
// service that is missing or goes away, which Options then shows.
#include <gtest/gtest.h>

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

// A voice that keeps what it is asked to say, until it is told to fail.
class KeptVoice : public Voice {
public:
    KeptVoice(std::vector<Said>& said, const bool& failing) : m_said(said), m_failing(failing) {}
    bool say(const std::string& language, const std::string& text) override {
        if (m_failing) return false;
        m_said.push_back({language, text});
        return true;
    }

private:
    std::vector<Said>& m_said;
    const bool& m_failing;
};

// What the page's live region is handed for these lines: one a line.
std::string pageText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

class SpeechTest : public ::testing::Test {
protected:
    std::vector<Said> said;
    bool failing = false;
    int opened = 0;
    Speech speech{[this] {
        ++opened;
        return std::make_unique<KeptVoice>(said, failing);
    }};
    CPU cpu;
};

TEST_F(SpeechTest, SaysWhatChangedInTheLanguageShownWhileSwitchedOn) {
    EXPECT_FALSE(speech.follow(cpu));
    EXPECT_EQ(opened, 0) << "nothing is loaded while speech is off";

    cpu.setSpeech(true);
    std::vector<Said> page;  // what the live region says after the same frames
    ScreenReading shown;
    auto frame = [&] {
        const ScreenReading now = readScreen(cpu);
        const std::string text = pageText(newlyRead(shown, now));
        shown = now;
        if (!text.empty()) page.push_back({language == "Polish" ? "pl" : "en", text});
        speech.follow(cpu);
    };
    frame();  // the whole screen
    cpu.setMenuItem("2");
    frame();
    frame();  // nothing changed
    switchLanguage();
    frame();
    cpu.setCurrentMenu("about menu");
    frame();

    EXPECT_EQ(said, page);
    ASSERT_EQ(said.size(), 4u);
    EXPECT_EQ(said[0].text.rfind("1. Natural numbers and integers", 0), 0u) << said[0].text;
    EXPECT_EQ(said[2].language, "pl");
    EXPECT_NE(said[3].text.find('\n'), std::string::npos) << "the About screen's lines, said as one text";
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(cpu.getSpeechUnavailable());
}

// A service that stops answering is shown in Options and not asked again
// until the pupil switches speech off and on; then the screen is said whole.
TEST_F(SpeechTest, AServiceThatFailsIsShownAndAskedAgainWhenSwitchedOnAgain) {
    cpu.setSpeech(true);
    speech.follow(cpu);
    failing = true;
    cpu.setMenuItem("2");
    EXPECT_TRUE(speech.follow(cpu)) << "Options must be drawn again";
    EXPECT_TRUE(cpu.getSpeechUnavailable());
    cpu.setMenuItem("3");
    EXPECT_FALSE(speech.follow(cpu));
    EXPECT_EQ(opened, 1);

    failing = false;
    cpu.setSpeech(false);
    cpu.setSpeechUnavailable(false);  // as Enter on the Speech row does
    speech.follow(cpu);
    cpu.setSpeech(true);
    speech.follow(cpu);
    EXPECT_EQ(opened, 2);
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[1], (Said{"en", pageText(newlyRead({}, readScreen(cpu)))}));
    EXPECT_EQ(said[1].text.rfind("3. Fractions and rational numbers - part 2", 0), 0u) << said[1].text;
}

TEST(SpeechMissing, NoServiceMarksSpeechUnavailableAndChangesNothingElse) {
    Speech speech([] { return std::unique_ptr<Voice>(); });
    CPU cpu;
    cpu.setSpeech(true);
    EXPECT_TRUE(speech.follow(cpu));
    EXPECT_TRUE(cpu.getSpeechUnavailable());
    EXPECT_TRUE(cpu.getSpeech()) << "the pupil's choice stays";
    EXPECT_EQ(cpu.getCurrentMenu(), "start screen");
}

}  // namespace
