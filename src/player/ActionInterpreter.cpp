// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/ActionInterpreter.h"

#include "files/FileHelpers.h"
#include "form/MainForm.h"
#include "platform/AppControl.h"
#include "platform/Browser.h"
#include "platform/InputInjector.h"
#include "platform/MessageBox.h"
#include "player/ActionReader.h"
#include "player/KeyTyping.h"
#include "tour/TourTable.h"
#include "util/Cp1252.h"
#include "util/PathHelpers.h"

namespace rovanta {
namespace {

constexpr int kCharacterPause = 100;
constexpr int kCommandPause = 500;
constexpr int kQuitPause = 1000;
constexpr std::uint8_t kVkA = 65;
constexpr std::uint8_t kVkC = 67;
constexpr std::uint8_t kVkV = 86;

} // namespace

ActionInterpreter::ActionInterpreter(InterpreterServices services, TourTable& table, MainForm& form)
    : m_services(services), m_table(table), m_form(form) {}

void ActionInterpreter::resetLoop() {
    m_loopCnt = 1;
    m_maxDirLst = 0;
}

void ActionInterpreter::setTourOrigin(TourOrigin origin) {
    m_origin = std::move(origin);
    m_localFiles = LocalFiles::Unasked;
}

bool ActionInterpreter::mayUseLocalFiles() {
    if (m_allowedForRun) {
        return true;
    }
    if (!m_origin.fromWeb && m_origin.fromFile && m_origin.trusted && m_origin.trusted()) {
        m_origin.fromFile = false; // the user's own tour
    }
    if (!m_origin.fromWeb && !m_origin.fromFile) {
        return true;
    }
    if (m_localFiles == LocalFiles::Unasked) {
        const std::string names = m_origin.names ? m_origin.names() : std::string();
        const std::string question =
            m_origin.fromWeb ? std::string(kLocalFilesQuestion)
                             : std::string(kForeignTourQuestion) + "\n" + names + "\nZulassen?";
        const MessageResult answer = m_services.messages.show(
            {question, "Rovanta", MessageIcon::Question, MessageButtons::YesNo});
        m_localFiles = answer == MessageResult::Yes ? LocalFiles::Allowed : LocalFiles::Denied;
        if (m_localFiles == LocalFiles::Allowed && m_origin.fromFile) {
            // Remembered for this text: the tour is the user's from now on.
            if (m_origin.trust) {
                m_origin.trust();
            }
            m_origin.fromFile = false;
        }
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
    using Kind = ActionStep::Kind;
    outcome = Outcome::Finished;
    m_deadline = m_services.clock.nowMs(); // the text's schedule starts now
    InputInjector& input = m_services.input;
    FileHelpers& files = m_services.files;
    // The text is read by its Windows-1252 codes; other characters are "?".
    ActionReader reader(utf8ToCp1252(utf8Text));

    m_services.browser.setFocus();
    while (const std::optional<ActionStep> step = reader.next()) {
        switch (step->kind) {
        case Kind::SelectAll:
            sendCtrl(input, kVkA);
            co_await sleep(kCommandPause);
            break;
        case Kind::Copy:
            files.clearClipboard();
            sendCtrl(input, kVkC);
            co_await sleep(kCommandPause);
            break;
        case Kind::Load:
            co_await loadFile(cp1252ToUtf8(step->text));
            break;
        case Kind::Save:
            if (step->digit >= 0) {
                co_await saveField(cp1252ToUtf8(step->text), step->digit);
            } else {
                co_await sleep(kCommandPause);
            }
            break;
        case Kind::List:
            co_await listFolder(cp1252ToUtf8(step->text), cp1252ToUtf8(step->pattern));
            break;
        case Kind::GoTo:
            if (step->digit >= 0 && m_maxDirLst != 0 && m_loopCnt < m_maxDirLst) {
                m_table.setPos(static_cast<std::int16_t>(step->digit - 1));
                ++m_loopCnt;
                showDirList(currentListFile());
            }
            co_await sleep(kCommandPause);
            break;
        case Kind::Quit:
            co_await sleep(kQuitPause);
            outcome = Outcome::Quit;
            m_services.app.quit();
            co_return;
        default:
            sendStep(*step);
            break;
        }
        co_await sleep(kCharacterPause);
    }
}

void ActionInterpreter::sendStep(const ActionStep& step) {
    using Kind = ActionStep::Kind;
    InputInjector& input = m_services.input;
    switch (step.kind) {
    case Kind::Key:
        sendMsg(input, static_cast<std::uint8_t>(step.ch));
        break;
    case Kind::Close:
        m_services.files.setClipText(cp1252ToUtf8(step.text));
        // The bracket goes out as a key of its own too.
        sendMsg(input, static_cast<std::uint8_t>(step.ch));
        break;
    case Kind::Tab:
        sendStz(input, kVkTab);
        break;
    case Kind::Enter:
        sendStz(input, kVkReturn);
        sendStz(input, kVkLineFeed);
        break;
    case Kind::Paste:
        sendCtrl(input, kVkV);
        break;
    case Kind::Field: {
        const std::string clip = m_services.files.getClipText();
        if (step.digit >= 0 && clip.find_first_not_of(' ') != std::string::npos) {
            m_services.browser.writeField(static_cast<std::int16_t>(step.digit), clip);
        }
        break;
    }
    default:
        break; // "[" and bracketed characters are collected by the reader;
               // unknown letters and a trailing "~" do nothing
    }
}

Task ActionInterpreter::loadFile(std::string name) {
    co_await sleep(kCommandPause);
    if (name == "%") {
        name = currentListFile();
    }
    if (mayUseLocalFiles()) {
        m_services.files.loadFileToClip(name);
    }
}

Task ActionInterpreter::listFolder(std::string folder, std::string pattern) {
    co_await sleep(kCommandPause);
    if (mayUseLocalFiles()) {
        m_maxDirLst = static_cast<std::int16_t>(
            m_services.files.listDirectory(m_dirList, folder + "/", pattern));
        showDirList(m_dirList[1]);
    }
    co_await sleep(kCharacterPause);
}

} // namespace rovanta
