// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace rovanta {

// Notifications of the embedded browser that the program reacts to.
class BrowserListener {
public:
    virtual ~BrowserListener() = default;
    // Loading of a document has begun.
    virtual void downloadBegin() = 0;
    // Loading has ended (successfully or not).
    virtual void downloadComplete() = 0;
    // A document (the page or one of its frames) has completed; its address.
    virtual void documentComplete(const std::string& url) = 0;
};

// The embedded web browser as the program drives it. Every call returns at
// once; nothing waits for a page inside a call.
class Browser {
public:
    // Ready state while a document is loading.
    static constexpr int kLoading = 1;
    // Ready state once the document is interactive.
    static constexpr int kInteractive = 3;
    // Ready state once the document has loaded (failed loads included).
    static constexpr int kComplete = 4;

    virtual ~Browser() = default;
    // Starts loading a web address, absolute path or file address.
    virtual void navigate(const std::string& address) = 0;
    // Goes back in the browser's history; nothing when there is no page.
    virtual void goBack() = 0;
    // Goes forward in the browser's history; nothing when there is no page.
    virtual void goForward() = 0;
    // Reloads the document shown.
    virtual void refresh() = 0;
    // Cancels the loading under way.
    virtual void stop() = 0;
    // Address of the document shown (file:///… for a local file).
    virtual std::string locationUrl() const = 0;
    // kLoading from navigate() until the document has loaded, then kComplete.
    virtual int readyState() const = 0;
    // Reads the value of element n of the first form; the answer arrives
    // later through done (empty text for a missing form or field).
    virtual void readField(std::int16_t n, std::function<void(std::string)> done) = 0;
    // Sets the value of element n of the first form; nothing when missing.
    virtual void writeField(std::int16_t n, const std::string& value) = 0;
    // Gives the browser the keyboard focus.
    virtual void setFocus() = 0;
    // While on, mouse presses over the browser go to the host, not the page.
    virtual void setCaptureMode(bool on) = 0;
    // Registers the receiver of the notifications (one at a time, may be null).
    virtual void setListener(BrowserListener* listener) = 0;
};

} // namespace rovanta
