// Catches the message boxes the plug-in shows while a test runs, so that a
// test can check them and no box waits for a click: on Windows a thread closes
// every box of this process with OK; elsewhere the boxes go to standard error,
// which is redirected for the watcher's lifetime.
#pragma once

#include <memory>
#include <string>

namespace kandrel::test {

class TMessageBoxWatcher {
public:
    TMessageBoxWatcher();
    ~TMessageBoxWatcher();
    TMessageBoxWatcher(const TMessageBoxWatcher&) = delete;
    TMessageBoxWatcher& operator=(const TMessageBoxWatcher&) = delete;

    // Every box so far, one "Title: Text" line each (Text as shown, its own line breaks kept).
    std::string Captured();

    struct TState;

private:
    std::unique_ptr<TState> FState;
};

}  // namespace kandrel::test
