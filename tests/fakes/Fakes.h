// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/AppControl.h"
#include "platform/Browser.h"
#include "platform/Clipboard.h"
#include "platform/DirectoryLookup.h"
#include "platform/FileDialog.h"
#include "platform/InputInjector.h"
#include "platform/InternetTransfer.h"
#include "platform/MessageBox.h"
#include "platform/TrustedTours.h"
#include "platform/WindowGeometry.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Recording fakes of the platform interfaces. Each records what the program
// asked of it and answers as the test arranged.
namespace rovanta::testing {

class FakeBrowser : public Browser {
public:
    void navigate(const std::string& address) override {
        calls.push_back("navigate " + address);
        navigations.push_back(address);
        location = address;
        state = kLoading;
        if (onNavigate) {
            onNavigate(address);
        }
    }
    void goBack() override { calls.emplace_back("back"); }
    void goForward() override { calls.emplace_back("forward"); }
    void refresh() override { calls.emplace_back("refresh"); }
    void stop() override { calls.emplace_back("stop"); }
    std::string locationUrl() const override { return location; }
    int readyState() const override { return state; }
    void readField(std::int16_t n, std::function<void(std::string)> done) override {
        calls.push_back("read " + std::to_string(n));
        pendingReads.emplace_back(n, std::move(done));
        if (deferAnswer) {
            deferAnswer([this] { answerRead(); });
        }
    }
    void writeField(std::int16_t n, const std::string& value) override {
        calls.push_back("write " + std::to_string(n) + " " + value);
        fields[n] = value;
    }
    void setFocus() override { calls.emplace_back("focus"); }
    void setCaptureMode(bool on) override { calls.push_back(on ? "capture on" : "capture off"); }
    void setListener(BrowserListener* l) override { listener = l; }

    // Finishes the load under way as the engine would: state 4, notifications.
    void finishLoad() {
        state = kComplete;
        if (listener != nullptr) {
            listener->downloadComplete();
            listener->documentComplete(location);
        }
    }
    // Answers the oldest pending field read from the fields map.
    bool answerRead() {
        if (pendingReads.empty()) {
            return false;
        }
        auto [n, done] = std::move(pendingReads.front());
        pendingReads.pop_front();
        if (fieldSource) {
            done(fieldSource(n));
            return true;
        }
        const auto it = fields.find(n);
        done(it == fields.end() ? std::string() : it->second);
        return true;
    }

    // Runs after every navigate (e.g. to finish the load later).
    std::function<void(const std::string&)> onNavigate;
    // When set, field reads are answered through it instead of by hand.
    std::function<void(std::function<void()>)> deferAnswer;
    // When set, supplies the value of a field read.
    std::function<std::string(std::int16_t)> fieldSource;

    std::vector<std::string> calls;
    std::vector<std::string> navigations;
    std::string location;
    int state = kComplete;
    std::map<std::int16_t, std::string> fields;
    std::deque<std::pair<std::int16_t, std::function<void(std::string)>>> pendingReads;
    BrowserListener* listener = nullptr;
};

class FakeInputInjector : public InputInjector {
public:
    struct KeyCall {
        std::uint8_t vk;
        std::uint32_t flags;
        friend bool operator==(const KeyCall&, const KeyCall&) = default;
    };
    void keyEvent(std::uint8_t vk, std::uint32_t flags) override { keys.push_back({vk, flags}); }
    void mouseEvent(std::uint32_t flags) override { mouse.push_back(flags); }
    void setCursorPos(Point screen) override {
        moves.push_back(screen);
        cursor = screen;
    }
    Point clientToScreen(Point client) const override {
        return {client.x + clientOrigin.x, client.y + clientOrigin.y};
    }
    Point cursorPos() const override { return cursor; }
    std::int16_t asyncKeyState(int vk) const override {
        const auto it = buttons.find(vk);
        return it == buttons.end() ? std::int16_t{0} : it->second;
    }

    std::vector<KeyCall> keys;
    std::vector<std::uint32_t> mouse;
    std::vector<Point> moves;
    Point cursor;
    Point clientOrigin;
    std::map<int, std::int16_t> buttons;
};

class FakeClipboard : public Clipboard {
public:
    void setText(const std::string& t) override {
        content = t;
        ++setCount;
    }
    void clear() override { content.reset(); }
    std::optional<std::string> text() const override { return content; }

    std::optional<std::string> content;
    int setCount = 0;
};

class FakeMessageBox : public MessageBox {
public:
    MessageResult show(const Message& message) override {
        shown.push_back(message);
        if (answers.empty()) {
            return message.buttons == MessageButtons::YesNo ? MessageResult::Yes
                                                            : MessageResult::Ok;
        }
        const MessageResult answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Message> shown;
    std::deque<MessageResult> answers; // given in turn; then OK or Yes
};

class FakeFileDialog : public FileDialog {
public:
    std::optional<std::string> openFile(const FileDialogRequest& request) override {
        requests.push_back(request);
        return answer;
    }

    std::vector<FileDialogRequest> requests;
    std::optional<std::string> answer; // nothing: the user cancels
};

class FakeInternetTransfer : public InternetTransfer {
public:
    std::optional<std::string> fetchText(const std::string& address) override {
        fetched.push_back(address);
        const auto it = documents.find(address);
        if (it == documents.end()) {
            return std::nullopt;
        }
        return it->second;
    }

    std::vector<std::string> fetched;
    std::map<std::string, std::string> documents;
};

class FakeWindowGeometry : public WindowGeometry {
public:
    Point screenToClient(Point screen) const override {
        return {screen.x - clientOrigin.x, screen.y - clientOrigin.y};
    }
    bool isOverBrowser(Point screen) const override {
        const Point c = screenToClient(screen);
        return c.x >= browserLeft && c.y >= browserTop;
    }

    TwipSize clientSizeTwips() const override { return clientSize; }

    Point clientOrigin;
    TwipSize clientSize{15360, 11520}; // 1024 × 768 pixels at 96 DPI
    int browserLeft = 0;
    int browserTop = 300; // the browser fills the client area below this line
};

class FakeTrustedTours : public TrustedTours {
public:
    bool isTrusted(const std::string& text) const override { return texts.count(text) > 0; }
    void trust(const std::string& text) override { texts.insert(text); }
    std::set<std::string> texts;
};

class FakeAppControl : public AppControl {
public:
    void quit() override { ++quitRequests; }
    int quitRequests = 0;
};

class FakeDirectoryLookup : public DirectoryLookup {
public:
    LookupResult findFiles(const std::string& folder, const std::string& mask,
                           std::size_t limit) override {
        lookups.push_back(folder + "|" + mask);
        if (!results.empty()) {
            LookupResult r = results.front();
            results.pop_front();
            if (r.names.size() > limit) {
                r.names.resize(limit);
            }
            return r;
        }
        return {};
    }
    std::string currentFolder() const override { return current; }
    bool setCurrentFolder(const std::string& folder) override {
        current = folder;
        return true;
    }

    std::vector<std::string> lookups;
    std::deque<LookupResult> results; // answered in turn; then nothing found
    std::string current = "/";
};

} // namespace rovanta::testing
