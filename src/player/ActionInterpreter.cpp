#include "player/ActionInterpreter.h"

#include "form/MainForm.h"
#include "platform/AppControl.h"
#include "platform/Browser.h"
#include "platform/InputInjector.h"
#include "platform/MessageBox.h"
#include "player/KeyTyping.h"
#include "tour/TourTable.h"
#include "util/Cp1252.h"
#include "files/FileHelpers.h"
#include "util/PathHelpers.h"

namespace rovanta {
namespace {

constexpr int kCharacterPause = 100;
constexpr int kCommandPause = 500;
constexpr int kQuitPause = 1000;
constexpr std::uint8_t kVkA = 65;
constexpr std::uint8_t kVkC = 67;
constexpr std::uint8_t kVkV = 86;

// The digit at position i of the text, or -1 when there is none.
int digitAt(const std::string& text, std::size_t i) {
    if (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        return text[i] - '0';
    }
    return -1;
}

// Reads the characters from position from on up to the first stop character
// (or the end of the text); returns them and sets i to the stop character
// (or to the last position when the text lacks it).
std::string readUpTo(const std::string& text, std::size_t from, char stop, std::size_t& i) {
    std::string collected;
    std::size_t k = from;
    while (k < text.size() && text[k] != stop) {
        collected.push_back(text[k]);
        ++k;
    }
    i = k < text.size() ? k : (text.empty() ? 0 : text.size() - 1);
    return collected;
}

} // namespace

ActionInterpreter::ActionInterpreter(InterpreterServices services, TourTable& table, MainForm& form)
    : m_services(services), m_table(table), m_form(form) {}

void ActionInterpreter::resetLoop() {
    m_loopCnt = 1;
    m_maxDirLst = 0;
}

void ActionInterpreter::setTourFromWeb(bool fromWeb) {
    m_tourFromWeb = fromWeb;
    m_localFiles = LocalFiles::Unasked;
}

bool ActionInterpreter::mayUseLocalFiles() {
    if (!m_tourFromWeb) {
        return true;
    }
    if (m_localFiles == LocalFiles::Unasked) {
        const MessageResult answer = m_services.messages.show(
            {kLocalFilesQuestion, "Rovanta", MessageIcon::Question, MessageButtons::YesNo});
        m_localFiles = answer == MessageResult::Yes ? LocalFiles::Allowed : LocalFiles::Denied;
    }
    return m_localFiles == LocalFiles::Allowed;
}

SleepUntil ActionInterpreter::sleep(int ms) {
    // A wait that began more than this after the previous deadline is not
    // late by the timer but by other work: it starts its own schedule.
    constexpr std::int64_t kOnSchedule = 5;
    const std::int64_t now = m_services.clock.nowMs();
    if (now - m_deadline > kOnSchedule || now < m_deadline) {
        m_deadline = now;
    }
    m_deadline += ms;
    return SleepUntil(m_services.clock, m_deadline, m_life);
}

std::string ActionInterpreter::currentListFile() const {
    if (m_loopCnt < 1 || m_loopCnt > kLastSlot) {
        return {};
    }
    return m_dirList[static_cast<std::size_t>(m_loopCnt)];
}

void ActionInterpreter::showDirList(const std::string& path) {
    m_form.state.txtDirLstVisible = true;
    m_form.state.txtDirLst = "Datei-Liste: " + fileNamePart(path);
    m_form.changed();
}

Task ActionInterpreter::saveField(std::string name, int field) {
    Browser& browser = m_services.browser;
    const std::string value = co_await TextAnswer(
        [&browser, field](std::function<void(std::string)> done) {
            browser.readField(static_cast<std::int16_t>(field), std::move(done));
        },
        m_life);
    m_deadline = m_services.clock.nowMs(); // the pause counts from the answer
    co_await sleep(kCommandPause);
    if (!name.empty() && name[0] == '%') {
        const std::string listed = currentListFile();
        if (listed.empty()) {
            co_return; // no file listed in this slot: nothing to save next to
        }
        name = replaceExt3(listed, name.size() > 2 ? name.substr(2) : std::string());
    }
    if (mayUseLocalFiles()) {
        m_services.files.saveTextFile(name, value);
    }
}

Task ActionInterpreter::run(std::string utf8Text, Outcome& outcome) {
    outcome = Outcome::Finished;
    m_deadline = m_services.clock.nowMs(); // the text's schedule starts now
    InputInjector& input = m_services.input;
    // The text is read by its Windows-1252 codes; other characters are "?".
    const std::string text = utf8ToCp1252(utf8Text);
    const std::size_t n = text.size();
    bool inBrackets = false;
    std::string buffer;

    m_services.browser.setFocus();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c == '[') {
            inBrackets = true;
            buffer.clear();
        }
        if (c == ']') {
            inBrackets = false;
            m_services.files.setClipText(cp1252ToUtf8(buffer));
        }
        if (inBrackets) {
            if (c != '[') {
                buffer.push_back(c);
            }
        } else if (c != '~') {
            sendMsg(input, static_cast<std::uint8_t>(c));
        } else if (++i < n) {
            switch (text[i]) {
            case 'T':
                sendStz(input, kVkTab);
                break;
            case 'E':
                sendStz(input, kVkReturn);
                sendStz(input, kVkLineFeed);
                break;
            case 'V':
                sendCtrl(input, kVkV);
                break;
            case 'F': {
                ++i;
                const int field = digitAt(text, i);
                const std::string clip = m_services.files.getClipText();
                if (field >= 0 && clip.find_first_not_of(' ') != std::string::npos) {
                    m_services.browser.writeField(static_cast<std::int16_t>(field), clip);
                }
                break;
            }
            case 'A':
                sendCtrl(input, kVkA);
                co_await sleep(kCommandPause);
                break;
            case 'C':
                m_services.files.clearClipboard();
                sendCtrl(input, kVkC);
                co_await sleep(kCommandPause);
                break;
            case 'L': {
                i += 2;
                std::string name = cp1252ToUtf8(readUpTo(text, i + 1, ')', i));
                co_await sleep(kCommandPause);
                if (name == "%") {
                    name = currentListFile();
                }
                if (mayUseLocalFiles()) {
                    m_services.files.loadFileToClip(name);
                }
                break;
            }
            case 'S': {
                i += 2;
                const std::string name = cp1252ToUtf8(readUpTo(text, i + 1, '|', i));
                ++i;
                const int field = digitAt(text, i);
                ++i;
                if (field >= 0) {
                    co_await saveField(name, field);
                } else {
                    co_await sleep(kCommandPause);
                }
                break;
            }
            case 'D': {
                i += 2;
                const std::string listing = readUpTo(text, i + 1, ')', i);
                std::string folder;
                std::string pattern;
                bool afterBar = false;
                for (char s : listing) {
                    if (s == '|') {
                        afterBar = true;
                    } else {
                        (afterBar ? pattern : folder).push_back(s);
                    }
                }
                co_await sleep(kCommandPause);
                if (mayUseLocalFiles()) {
                    m_maxDirLst = static_cast<std::int16_t>(m_services.files.listDirectory(
                        m_dirList, cp1252ToUtf8(folder) + "/", cp1252ToUtf8(pattern)));
                    showDirList(m_dirList[1]);
                }
                co_await sleep(kCharacterPause);
                break;
            }
            case 'G': {
                i += 2;
                const int target = digitAt(text, i);
                if (target >= 0 && m_maxDirLst != 0 && m_loopCnt < m_maxDirLst) {
                    m_table.setPos(static_cast<std::int16_t>(target - 1));
                    ++m_loopCnt;
                    showDirList(currentListFile());
                }
                co_await sleep(kCommandPause);
                break;
            }
            case 'Q':
                co_await sleep(kQuitPause);
                outcome = Outcome::Quit;
                m_services.app.quit();
                co_return;
            default:
                break; // any other letter: nothing
            }
        }
        co_await sleep(kCharacterPause);
    }
}

} // namespace rovanta
