#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The console program on a pseudo-terminal, typed at as a person types, with a data directory
// (for its history) and a registry of its own.
class Terminal {
public:
    explicit Terminal(const std::string& directory) {
        pid_ = forkpty(&master_, nullptr, nullptr, nullptr);
        if (pid_ == 0) {
            setenv("TERM", "xterm", 1);
            setenv("XDG_DATA_HOME", directory.c_str(), 1);
            setenv("MVDESK_REGISTRY", (directory + "/registry.json").c_str(), 1);
            std::string program = std::string(MV_BUILD_BIN_DIR) + "/mvdesk";
            execl(program.c_str(), program.c_str(), "--scene",
                  MV_SOURCE_DIR "/desktop/scenes/demo.json", nullptr);
            _exit(127);
        }
    }
    ~Terminal() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (master_ >= 0)
            close(master_);
    }

    void Type(const std::string& keys) {
        ASSERT_EQ(write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }
    // Reads until `text` has appeared since the last wait; false when it does not come.
    bool WaitFor(const std::string& text) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline) {
            size_t found = screen_.find(text, seen_);
            if (found != std::string::npos) {
                seen_ = found + text.size();
                return true;
            }
            pollfd ready{master_, POLLIN, 0};
            if (poll(&ready, 1, 100) <= 0)
                continue;
            char buffer[4096];
            ssize_t n = read(master_, buffer, sizeof buffer);
            if (n <= 0)
                return false;
            screen_.append(buffer, static_cast<size_t>(n));
        }
        return false;
    }
    // The exit status once the program has ended, -1 when it has not within ten seconds.
    // `again`, if given, is typed once a second meanwhile: a key typed while the line editor
    // has the terminal cooked (between two lines) may reach it as another key.
    int Wait(const std::string& again = {}) {
        for (int tenth = 0; tenth < 100; ++tenth) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            if (!again.empty() && tenth % 10 == 9)
                Type(again);
            Drain();
        }
        return -1;
    }
    const std::string& Screen() const { return screen_; }

private:
    // Reads what the program wrote, or waits a tenth of a second, so that the program never
    // blocks on a full terminal.
    void Drain() {
        pollfd ready{master_, POLLIN, 0};
        if (poll(&ready, 1, 100) > 0) {
            char buffer[4096];
            ssize_t n = read(master_, buffer, sizeof buffer);
            if (n > 0) {
                screen_.append(buffer, static_cast<size_t>(n));
                return;
            }
        }
        // A terminal whose program has gone is always ready and reads nothing.
        usleep(100000);
    }

    pid_t pid_ = -1;
    int master_ = -1;
    std::string screen_;
    size_t seen_ = 0;
};

const std::string kLeft = "\x1b[D";
const std::string kUp = "\x1b[A";

class TerminalTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/mvdesk-terminal-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf " + directory_).c_str()); }
    std::string directory_;
};

TEST_F(TerminalTest, ArrowsEditTabCompletesAndHistorySurvivesARestart) {
    {
        Terminal terminal(directory_);
        // At a terminal the start shows the desktop: the pads, an Inspector and its table.
        EXPECT_TRUE(terminal.WaitFor("help lists the commands")) << terminal.Screen();
        EXPECT_TRUE(terminal.WaitFor("opened 1 \"Desktop - Inspector\"")) << terminal.Screen();
        EXPECT_TRUE(terminal.WaitFor("== \"Desktop - Inspector\"")) << terminal.Screen();
        ASSERT_TRUE(terminal.WaitFor("mvdesk> ")) << terminal.Screen();
        // Tab completes the command word; Left twice moves back into what was typed.
        terminal.Type("ec\tabc" + kLeft + kLeft + "X\r");
        EXPECT_TRUE(terminal.WaitFor("aXbc\r\n")) << terminal.Screen();
        ASSERT_TRUE(terminal.WaitFor("mvdesk> "));
        // Tab completes a pad path, a row label, a menu path and a dialog's caption.
        terminal.Type("open St\t\r");
        EXPECT_TRUE(terminal.WaitFor("opened 2 \"Stage - Inspector\"")) << terminal.Screen();
        ASSERT_TRUE(terminal.WaitFor("mvdesk> "));
        terminal.Type("click 2 Pan\t\rstatus 2\r");
        EXPECT_TRUE(terminal.WaitFor("Panel\t1/")) << terminal.Screen();
        ASSERT_TRUE(terminal.WaitFor("mvdesk> "));
        terminal.Type("menu 2 Edit/Geo\t\r");
        EXPECT_TRUE(terminal.WaitFor("dialog 202 \"Geometry\"")) << terminal.Screen();
        ASSERT_TRUE(terminal.WaitFor("modal> "));
        terminal.Type("dlg click Canc\t\r");
        EXPECT_TRUE(terminal.WaitFor("dialog closed 202")) << terminal.Screen();
        ASSERT_TRUE(terminal.WaitFor("mvdesk> "));
        // Up brings back the lines before, the dialog's among them.
        terminal.Type(kUp + kUp + kUp + kUp + kUp + kUp + "\r");
        EXPECT_TRUE(terminal.WaitFor("aXbc\r\n")) << terminal.Screen();
        ASSERT_TRUE(terminal.WaitFor("mvdesk> "));
        terminal.Type("quit\r");
        EXPECT_EQ(terminal.Wait(), 0) << terminal.Screen();
    }
    Terminal again(directory_);
    ASSERT_TRUE(again.WaitFor("mvdesk> ")) << again.Screen();
    // The newest lines first: quit, then echo aXbc (run again by Up).
    again.Type(kUp + kUp + "\r");
    EXPECT_TRUE(again.WaitFor("aXbc\r\n")) << again.Screen();
    ASSERT_TRUE(again.WaitFor("mvdesk> "));
    again.Type("\x04");
    // Typed before the editor took the terminal, Ctrl+D is a character of the line: Ctrl+A and
    // Ctrl+K clear it for the next.
    EXPECT_EQ(again.Wait("\x01\x0b\x04"), 0) << again.Screen();
}

TEST_F(TerminalTest, TheHistoryFileStaysBounded) {
    std::system(("mkdir -p " + directory_ + "/mosvane").c_str());
    {
        // As the editing library writes its history: a header, blanks escaped.
        std::ofstream history(directory_ + "/mosvane/mvdesk_history");
        history << "_HiStOrY_V2_\n";
        for (int i = 0; i < 1500; ++i)
            history << "echo\\040" << i << "\n";
    }
    Terminal terminal(directory_);
    ASSERT_TRUE(terminal.WaitFor("mvdesk> ")) << terminal.Screen();
    terminal.Type(kUp + "\r");
    EXPECT_TRUE(terminal.WaitFor("1499\r\n")) << terminal.Screen();
    ASSERT_TRUE(terminal.WaitFor("mvdesk> "));
    terminal.Type("quit\r");
    EXPECT_EQ(terminal.Wait(), 0);
    std::ifstream history(directory_ + "/mosvane/mvdesk_history");
    int lines = 0;
    for (std::string line; std::getline(history, line);)
        ++lines;
    EXPECT_GT(lines, 900);
    EXPECT_LE(lines, 1001) << "at most 1000 lines and the file's header";
}

} // namespace
