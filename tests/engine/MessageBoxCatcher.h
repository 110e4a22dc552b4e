// Catches the message boxes the code under test shows, so a test can check
// them and no box waits for a user: on Windows a watcher thread reads each
// box of this process and closes it with OK; on Linux, where boxes go to
// standard error as "Title: Text", standard error is captured (everything
// written there counts as one box).
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace kandrel::test {

struct TCaughtBox {
    std::string Title;
    std::string Text;
};

class TMessageBoxCatcher {
public:
    TMessageBoxCatcher();
    ~TMessageBoxCatcher();
    TMessageBoxCatcher(const TMessageBoxCatcher&) = delete;
    TMessageBoxCatcher& operator=(const TMessageBoxCatcher&) = delete;

    // Stops catching and answers the boxes seen, in order.
    std::vector<TCaughtBox> Finish();

private:
    struct TState;
    std::unique_ptr<TState> FState;
};

}  // namespace kandrel::test
